// The resources of vnmaskgen: its one dialog.
#pragma once

#include "resources/Resource.h"

namespace maskgen {

// Controls of IDD_MAIN.
namespace mask_id {
constexpr int DropArea = 1000; // the frame: a click opens the file chooser
constexpr int Report = 1001;   // what the last drop wrote or why a file failed
} // namespace mask_id

const resources::ResourceSet& MaskGenResources();

} // namespace maskgen
