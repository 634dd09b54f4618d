// The PNG decoders on arbitrary bytes: once through a sink that accepts both
// greyscale and truecolour and checks every row the own decoder gives, once
// more the same way from a file read only as far as its chunks go (which must
// give the same rows), once through the colour reader (own decoder or
// libpng) from memory and from the file (which must agree), and once as a
// mask of a picture of the header's size. A picture either reader takes must
// pass the image probe in that role (the probe does not inflate, so it may
// pass pictures whose compressed data the readers then refuse).
#include "graphics/ImageProbe.h"
#include "graphics/PngDecoder.h"
#include "graphics/PngReader.h"

#include "InputFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int64_t kFuzzMaxPixels = int64_t{1} << 20;

class CheckingSink final : public PngRowSink {
public:
    bool Header(const PngHeader& header) override {
        header_ = header;
        return true;
    }
    bool Start(const PngHeader&) override { return true; }
    void Row(int32_t row, const uint8_t* bytes) override {
        if (row != next_ || row >= header_.height)
            std::abort();
        ++next_;
        // Touch every byte so the sanitizers see reads past the row.
        unsigned sum = 0;
        for (int32_t i = 0; i < header_.width * header_.channels; ++i)
            sum += bytes[i];
        sink_ ^= sum;
    }
    PngHeader header_;
    int32_t next_ = 0;
    unsigned sink_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The decoder reports an unfinished stream on standard output.
    return std::freopen("/dev/null", "w", stdout) == nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    CheckingSink sink;
    const bool decoded = DecodePng(file, sink, kFuzzMaxPixels);
    if (decoded && sink.next_ != sink.header_.height)
        std::abort(); // a successful decode delivers every row
    const fuzz::InputFile input(data, size);
    ImageFileBytes bytes(input.Path());
    CheckingSink fromFile;
    if (DecodePng(bytes, fromFile, kFuzzMaxPixels) != decoded || fromFile.next_ != sink.next_ ||
        fromFile.sink_ != sink.sink_)
        std::abort(); // reading less of the file changed the rows
    const ImageFacts facts = ProbeImageFile(input.Path(), true, kFuzzMaxPixels);
    Surface colour;
    const bool read = ReadPngColour(file, colour, kFuzzMaxPixels);
    if (read && JudgeColourImage(facts) != ImageVerdict::Ok)
        std::abort(); // the probe refuses what the reader takes
    ImageFileBytes again(input.Path());
    Surface fromPath;
    if (ReadPngColour(again, fromPath, kFuzzMaxPixels) != read ||
        (read && (fromPath.HasMask() != colour.HasMask() ||
                  std::memcmp(fromPath.Pixels(), colour.Pixels(),
                              static_cast<size_t>(colour.Width()) * colour.Height() * 4) != 0)))
        std::abort(); // the file read piece by piece gave another picture
    if (sink.header_.width > 0) {
        Surface mask;
        if (mask.Create(sink.header_.width, sink.header_.height) &&
            ReadPngMask(file, mask, kFuzzMaxPixels) &&
            JudgeMaskImage(facts, mask.Width(), mask.Height()) != ImageVerdict::Ok)
            std::abort();
    }
    return 0;
}
