#include "graphics/PngDecoder.h"

#include "graphics/private/ByteOrder.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

bool IsType(const uint8_t* type, const char* name) {
    return std::memcmp(type, name, 4) == 0;
}

int Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Reverses the filter of one row in place. `prev` is the previous row
// already unfiltered (all zero for the first row); `bpp` bytes per pixel.
// Unknown filter types leave the bytes as they stand.
template <int bpp>
void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prev, size_t length) {
    switch (filter) {
    case 1: // Sub
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
        break;
    case 2: // Up
        for (size_t i = 0; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + prev[i]);
        break;
    case 3: // Average
        for (size_t i = 0; i < bpp && i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + (prev[i] >> 1));
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prev[i]) >> 1));
        break;
    case 4: // Paeth
        for (size_t i = 0; i < bpp && i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + prev[i]);
        for (size_t i = bpp; i < length; ++i)
            row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - bpp], prev[i], prev[i - bpp]));
        break;
    default:
        break;
    }
}

// Inflate stream state and the raw image buffer of one decode.
class PngDecode {
public:
    PngDecode(PngRowSink& sink, int64_t maxPixels) : sink_(sink), maxPixels_(maxPixels) {}
    ~PngDecode() {
        if (streamOpen_)
            inflateEnd(&stream_);
    }
    PngDecode(const PngDecode&) = delete;
    PngDecode& operator=(const PngDecode&) = delete;

    bool Header(const uint8_t* data, uint32_t length);
    bool ImageData(const uint8_t* data, uint32_t length);
    bool End();

private:
    bool StartStream();
    void DeliverRows(size_t available);

    PngRowSink& sink_;
    int64_t maxPixels_;
    PngHeader header_;
    bool haveHeader_ = false;
    bool firstImageDataPending_ = true;
    bool streamFinished_ = false;
    bool streamOpen_ = false;
    z_stream stream_{};
    std::unique_ptr<uint8_t[]> buffer_;
    size_t bufferSize_ = 0;
    size_t rowBytes_ = 0; // filter byte + pixel bytes
    int32_t rowsDone_ = 0;
    std::vector<uint8_t> zeroRow_;
};

bool PngDecode::Header(const uint8_t* data, uint32_t length) {
    // A second header could change the size of a buffer already in use.
    if (haveHeader_ || ParsePngHeader(data, length, header_, maxPixels_) != PngHeaderRefusal::None)
        return false;
    // The sink learns of every valid header, also of those read elsewhere.
    if (!sink_.Header(header_) || !PngOwnDecoderReads(header_))
        return false;
    haveHeader_ = true;
    return true;
}

bool PngDecode::StartStream() {
    // The sink judges the header first, so a picture it refuses never costs
    // a buffer.
    if (!sink_.Start(header_))
        return false;
    rowBytes_ = static_cast<size_t>(header_.width) * header_.channels + 1;
    bufferSize_ = rowBytes_ * static_cast<size_t>(header_.height);
    // Left uninitialised: inflate writes every byte, and a stream that ends
    // early has its tail cleared in End().
    buffer_.reset(new (std::nothrow) uint8_t[bufferSize_]);
    if (!buffer_)
        return false;
    zeroRow_.assign(rowBytes_, 0);
    stream_.next_out = buffer_.get();
    stream_.avail_out = 0;
    if (inflateInit(&stream_) != Z_OK)
        return false;
    streamOpen_ = true;
    return true;
}

bool PngDecode::ImageData(const uint8_t* data, uint32_t length) {
    if (!haveHeader_ || streamFinished_)
        return false;
    if (firstImageDataPending_) {
        firstImageDataPending_ = false;
        if (!StartStream())
            return false;
    }
    stream_.next_in = const_cast<Bytef*>(data);
    stream_.avail_in = length;
    while (stream_.avail_in > 0) {
        // avail_out is a 32-bit count; very large buffers are filled in steps.
        const size_t produced = static_cast<size_t>(stream_.next_out - buffer_.get());
        const size_t left = bufferSize_ - produced;
        const uInt window = left > 0x40000000u ? 0x40000000u : static_cast<uInt>(left);
        stream_.avail_out = window;
        const int result = inflate(&stream_, Z_NO_FLUSH);
        DeliverRows(static_cast<size_t>(stream_.next_out - buffer_.get()));
        if (result == Z_STREAM_END) {
            streamFinished_ = true;
            return true;
        }
        if (result != Z_OK)
            return false;
        const bool bufferFull =
            static_cast<size_t>(stream_.next_out - buffer_.get()) == bufferSize_;
        if (bufferFull && stream_.avail_in > 0)
            return false;
    }
    return true;
}

void PngDecode::DeliverRows(size_t available) {
    const int32_t complete = static_cast<int32_t>(available / rowBytes_);
    const size_t pixelBytes = rowBytes_ - 1;
    while (rowsDone_ < complete) {
        uint8_t* row = buffer_.get() + static_cast<size_t>(rowsDone_) * rowBytes_;
        const uint8_t* prev = rowsDone_ == 0 ? zeroRow_.data() + 1 : row - rowBytes_ + 1;
        if (header_.channels == 3)
            UnfilterRow<3>(row[0], row + 1, prev, pixelBytes);
        else
            UnfilterRow<1>(row[0], row + 1, prev, pixelBytes);
        sink_.Row(rowsDone_, row + 1);
        ++rowsDone_;
    }
}

bool PngDecode::End() {
    if (!streamFinished_) {
        std::fputs("Inflate not finished\n", stdout);
        return false;
    }
    streamOpen_ = false;
    if (inflateEnd(&stream_) != Z_OK)
        return false;
    const size_t produced = static_cast<size_t>(stream_.next_out - buffer_.get());
    if (produced < bufferSize_) {
        std::memset(buffer_.get() + produced, 0, bufferSize_ - produced);
        DeliverRows(bufferSize_);
    }
    return true;
}

// Reads the chunks up to IEND. `more(end)` returns the bytes of the file
// known so far, at least `end` of them unless the file ends (or cannot be
// read) before; so a file is read only as far as its chunks go.
template <class More> bool DecodeChunks(More&& more, PngRowSink& sink, int64_t maxPixels) {
    std::span<const uint8_t> file = more(sizeof kSignature);
    if (file.size() < sizeof kSignature || std::memcmp(file.data(), kSignature, 8) != 0)
        return false;
    PngDecode decode(sink, maxPixels);
    size_t pos = sizeof kSignature;
    for (;;) {
        // Length, type, data and CRC must all be present.
        file = more(uint64_t{pos} + 8);
        if (file.size() - pos < 8)
            return false;
        const uint32_t length = ReadBE32(file.data() + pos);
        file = more(uint64_t{pos} + 8 + length + 4);
        const uint8_t* type = file.data() + pos + 4;
        pos += 8;
        if (file.size() - pos < length || file.size() - pos - length < 4)
            return false;
        const uint8_t* data = file.data() + pos;
        pos += static_cast<size_t>(length) + 4;

        if (IsType(type, "IHDR")) {
            if (!decode.Header(data, length))
                return false;
        } else if (IsType(type, "IDAT")) {
            if (!decode.ImageData(data, length))
                return false;
        } else if (IsType(type, "IEND")) {
            return decode.End();
        }
    }
}

} // namespace

PngHeaderRefusal ParsePngHeader(const uint8_t* data, uint32_t length, PngHeader& header,
                                int64_t maxPixels) {
    if (length < 13)
        return PngHeaderRefusal::Short;
    const uint32_t width = ReadBE32(data);
    const uint32_t height = ReadBE32(data + 4);
    header.bitDepth = data[8];
    header.colourType = data[9];
    header.compressionMethod = data[10];
    header.filterMethod = data[11];
    header.interlaceMethod = data[12];
    header.greyscale = header.colourType == 0;
    // The bit depths each colour type allows, one bit per depth.
    uint32_t depths = 0;
    switch (header.colourType) {
    case 0:
        header.channels = 1;
        depths = 1u << 1 | 1u << 2 | 1u << 4 | 1u << 8 | 1u << 16;
        break;
    case 3:
        header.channels = 1;
        depths = 1u << 1 | 1u << 2 | 1u << 4 | 1u << 8;
        break;
    case 2:
    case 4:
    case 6:
        header.channels = header.colourType == 2 ? 3 : header.colourType == 4 ? 2 : 4;
        depths = 1u << 8 | 1u << 16;
        break;
    default:
        return PngHeaderRefusal::ColourType;
    }
    if (header.bitDepth > 16 || (depths >> header.bitDepth & 1u) == 0)
        return PngHeaderRefusal::BitDepth;
    if (header.filterMethod != 0)
        return PngHeaderRefusal::FilterMethod;
    if (header.interlaceMethod > 1)
        return PngHeaderRefusal::Interlaced;
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu ||
        static_cast<int64_t>(width) * height > maxPixels)
        return PngHeaderRefusal::Size;
    header.width = static_cast<int32_t>(width);
    header.height = static_cast<int32_t>(height);
    return PngHeaderRefusal::None;
}

bool PngOwnDecoderReads(const PngHeader& header) {
    return header.bitDepth == 8 && (header.colourType == 0 || header.colourType == 2) &&
           header.interlaceMethod == 0;
}

bool DecodePng(std::span<const uint8_t> file, PngRowSink& sink, int64_t maxPixels) {
    return DecodeChunks([file](uint64_t) { return file; }, sink, maxPixels);
}

bool DecodePng(ImageFileBytes& file, PngRowSink& sink, int64_t maxPixels) {
    const auto more = [&file](uint64_t end) {
        file.ReadUpTo(end);
        return file.Bytes();
    };
    return DecodeChunks(more, sink, maxPixels);
}
