// The mask generator's picture reader on arbitrary bytes, followed by the
// mask algorithm and the mask file encoding for pictures it accepts.
#include "maskgen/MaskGenerator.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    maskgen::SourcePicture picture;
    if (!maskgen::ReadSourcePicture(std::span<const uint8_t>(data, size), picture,
                                    int64_t{1} << 18))
        return 0;
    const std::vector<uint8_t> mask = maskgen::MakeMask(picture);
    const std::vector<uint8_t> file = maskgen::EncodeMaskBmp(picture.width, picture.height, mask);
    const size_t stride = (static_cast<size_t>(picture.width) + 3) & ~size_t{3};
    if (file.size() != 1078 + stride * picture.height)
        std::abort();
    return 0;
}
