// The sentences of the image findings: what `vnscript check` says about a
// picture the player cannot load, and what vnprobe's image report shows
// when the author asks why a picture failed. Both use the same words.
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

// Why the player cannot load the layer picture `image` with `mask` (as an
// event names them; "AUTO" is the colour key) from cg/ in the game folder
// `folder`: the findings above, one per line. When the files pass them, the
// pictures are decoded to tell which one holds damaged image data, or that
// both load now.
std::string ExplainImageLoad(const std::string& folder, const VNString& image,
                             const VNString& mask);

} // namespace gamecheck
