// The resources of vnmaskgen: its one dialog.
#pragma once

#include "resources/Resource.h"

namespace maskgen {

const resources::ResourceSet& MaskGenResources();

} // namespace maskgen
