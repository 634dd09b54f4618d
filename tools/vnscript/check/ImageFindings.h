// The sentences of the image findings: what `vnscript check` says about a
// picture the player cannot load.
#pragma once

#include "graphics/ImageProbe.h"
#include "scenario/VNString.h"

#include <string>

namespace gamecheck {

// Each names the picture by its role `what` ("image", "mask of layer 4"
// ...) and its name as event data gives it (under cg/).
std::string MissingImageFinding(const std::string& what, const VNString& name);
// "" when the file loads as a colour image.
std::string ColourImageFinding(const std::string& what, const VNString& name,
                               const ImageFacts& facts);
// "" when the file loads as the mask of a colour image with the facts
// `colour`; null when that image cannot be read, so the mask is judged by
// itself.
std::string MaskImageFinding(const std::string& what, const VNString& name, const ImageFacts& facts,
                             const ImageFacts* colour);

} // namespace gamecheck
