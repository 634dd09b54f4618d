// The resources of vnparedit.
#pragma once

#include "resources/Resource.h"

namespace resources {

const ResourceSet& ParamEditorResources();

} // namespace resources
