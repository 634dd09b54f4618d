// The BMP reader on arbitrary bytes, in colour mode and then, on the
// surface just made, in mask mode; and the same bytes as a file, read only
// as far as its header calls for, which must give the same picture. The
// image probe must judge the file exactly as the reader does.
#include "graphics/BmpLayout.h"
#include "graphics/BmpReader.h"
#include "graphics/ImageProbe.h"

#include "InputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// Keeps each input's pictures small so the fuzzer explores formats, not memory.
constexpr int64_t kFuzzMaxPixels = int64_t{1} << 20;

namespace {

bool SamePicture(const Surface& a, const Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.IsCreated() != b.IsCreated())
        return false;
    return !a.IsCreated() || std::memcmp(a.Pixels(), b.Pixels(),
                                         static_cast<size_t>(a.Width()) * a.Height() * 4) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    Surface surface;
    const bool loaded = ReadBmp(file, surface, BmpMode::Colour, kFuzzMaxPixels);

    const fuzz::InputFile input(data, size);
    ImageFileBytes bytes(input.Path());
    Surface fromFile;
    const bool loadedFromFile = ReadBmpFileBytes(bytes) &&
                                ReadBmp(bytes.Bytes(), fromFile, BmpMode::Colour, kFuzzMaxPixels);
    if (loadedFromFile != loaded || (loaded && !SamePicture(surface, fromFile)))
        std::abort(); // reading less of the file changed the picture

    const ImageFacts facts = ProbeImageFile(input.Path(), false, kFuzzMaxPixels);
    if ((JudgeColourImage(facts) == ImageVerdict::Ok) != loaded)
        std::abort(); // the probe and the reader disagree

    if (loaded) {
        const bool masked = ReadBmp(file, surface, BmpMode::Mask, kFuzzMaxPixels);
        if ((JudgeMaskImage(facts, surface.Width(), surface.Height()) == ImageVerdict::Ok) !=
            masked)
            std::abort();
    }
    return 0;
}
