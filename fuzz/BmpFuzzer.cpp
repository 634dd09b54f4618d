// The BMP reader on arbitrary bytes, in colour mode and then, on the
// surface just made, in mask mode.
#include "graphics/BmpReader.h"

#include <cstddef>
#include <cstdint>

// Keeps each input's pictures small so the fuzzer explores formats, not memory.
constexpr int64_t kFuzzMaxPixels = int64_t{1} << 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    Surface surface;
    if (ReadBmp(file, surface, BmpMode::Colour, kFuzzMaxPixels))
        ReadBmp(file, surface, BmpMode::Mask, kFuzzMaxPixels);
    return 0;
}
