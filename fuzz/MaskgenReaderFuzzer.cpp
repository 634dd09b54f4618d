// The mask generator's picture reader on arbitrary bytes, also from a file
// read only as far as the header calls for (which must give the same
// picture), followed by the mask algorithm and the mask file encoding for
// pictures it accepts.
#include "graphics/BmpLayout.h"
#include "maskgen/MaskGenerator.h"

#include "InputFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr int64_t kMaxPixels = int64_t{1} << 18;
    maskgen::SourcePicture picture;
    const bool read =
        maskgen::ReadSourcePicture(std::span<const uint8_t>(data, size), picture, kMaxPixels);
    const fuzz::InputFile input(data, size);
    ImageFileBytes bytes(input.Path());
    maskgen::SourcePicture fromFile;
    if ((ReadBmpFileBytes(bytes) &&
         maskgen::ReadSourcePicture(bytes.Bytes(), fromFile, kMaxPixels)) != read ||
        fromFile.width != picture.width || fromFile.height != picture.height ||
        fromFile.bgr != picture.bgr)
        std::abort(); // reading less of the file changed the picture
    if (!read)
        return 0;
    const std::vector<uint8_t> mask = maskgen::MakeMask(picture);
    const std::vector<uint8_t> file = maskgen::EncodeMaskBmp(picture.width, picture.height, mask);
    const size_t stride = (static_cast<size_t>(picture.width) + 3) & ~size_t{3};
    if (file.size() != 1078 + stride * picture.height)
        std::abort();
    return 0;
}
