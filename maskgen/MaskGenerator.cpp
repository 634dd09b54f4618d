#include "maskgen/MaskGenerator.h"

#include "graphics/BmpLayout.h"
#include "graphics/ImageFile.h"
#include "scenario/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

namespace maskgen {

namespace {

constexpr uint32_t kMaskHeadersSize = 14 + 40 + 256 * 4; // 1078

void PutLE16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutLE32(std::vector<uint8_t>& out, uint32_t v) {
    PutLE16(out, v & 0xFFFF);
    PutLE16(out, v >> 16);
}

// One blur pass: each value becomes the truncated average of itself and
// those of its four neighbours that exist.
std::vector<uint8_t> Blur(const std::vector<uint8_t>& in, int32_t width, int32_t height) {
    std::vector<uint8_t> out(in.size());
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = in.data() + static_cast<size_t>(y) * width;
        for (int32_t x = 0; x < width; ++x) {
            unsigned sum = row[x];
            unsigned count = 1;
            if (x > 0) {
                sum += row[x - 1];
                ++count;
            }
            if (x + 1 < width) {
                sum += row[x + 1];
                ++count;
            }
            if (y > 0) {
                sum += row[x - width];
                ++count;
            }
            if (y + 1 < height) {
                sum += row[x + width];
                ++count;
            }
            out[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(sum / count);
        }
    }
    return out;
}

} // namespace

bool ReadSourcePicture(std::span<const uint8_t> file, SourcePicture& picture, int64_t maxPixels,
                       MaskFailure* why) {
    picture = SourcePicture{};
    MaskFailure ignored;
    MaskFailure& failure = why ? *why : ignored;
    const auto fail = [&](MaskFailure::Problem problem) {
        failure.problem = problem;
        return false;
    };
    BmpLayout layout;
    if (!ParseBmpLayout(file, layout))
        return fail(MaskFailure::NotBmp);
    if (layout.bitsPerPixel != 24) {
        failure.bitsPerPixel = layout.bitsPerPixel;
        return fail(MaskFailure::BitDepth);
    }
    if (layout.compression != 0)
        return fail(MaskFailure::Compressed);
    const int64_t pixels = int64_t{layout.width} * layout.height;
    if (pixels > maxPixels)
        return fail(MaskFailure::TooLarge);
    // Every row must be in the file; checked before anything is allocated.
    const size_t available = file.size() - layout.pixelOffset;
    if (layout.rowStride == 0 || available / layout.rowStride < static_cast<size_t>(layout.height))
        return fail(MaskFailure::Truncated);

    const size_t rowBytes = static_cast<size_t>(layout.width) * 3;
    picture.width = layout.width;
    picture.height = layout.height;
    picture.bgr.resize(rowBytes * layout.height);
    for (int32_t i = 0; i < layout.height; ++i) {
        const uint8_t* src = file.data() + layout.pixelOffset + i * layout.rowStride;
        const int32_t row = layout.topDown ? layout.height - 1 - i : i;
        std::memcpy(picture.bgr.data() + row * rowBytes, src, rowBytes);
    }
    return true;
}

std::vector<uint8_t> MakeMask(const SourcePicture& picture) {
    const int32_t width = picture.width;
    const int32_t height = picture.height;
    const size_t count = static_cast<size_t>(width) * height;
    if (count == 0)
        return {};
    const uint8_t* key = picture.bgr.data(); // bottom-left pixel

    std::vector<uint8_t> background(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = picture.bgr.data() + i * 3;
        background[i] = (p[0] == key[0] && p[1] == key[1] && p[2] == key[2]) ? 255 : 0;
    }
    std::vector<uint8_t> blurred = background;
    for (int pass = 0; pass < 3; ++pass)
        blurred = Blur(blurred, width, height);

    std::vector<uint8_t> mask(count);
    for (size_t i = 0; i < count; ++i) {
        const unsigned combined = background[i] == 255 ? 255u : std::min(3u * blurred[i], 255u);
        mask[i] = static_cast<uint8_t>(255 - combined);
    }
    return mask;
}

std::vector<uint8_t> EncodeMaskBmp(int32_t width, int32_t height, std::span<const uint8_t> plane) {
    const size_t stride = (static_cast<size_t>(width) + 3) & ~size_t{3};
    std::vector<uint8_t> out;
    out.reserve(kMaskHeadersSize + stride * height);
    out.push_back('B');
    out.push_back('M');
    PutLE32(out, static_cast<uint32_t>(stride * height + kMaskHeadersSize));
    PutLE32(out, 0);
    PutLE32(out, kMaskHeadersSize);
    PutLE32(out, 40);
    PutLE32(out, static_cast<uint32_t>(width));
    PutLE32(out, static_cast<uint32_t>(height));
    PutLE16(out, 1);
    PutLE16(out, 8);
    for (int field = 0; field < 6; ++field)
        PutLE32(out, 0);
    for (uint32_t i = 0; i < 256; ++i)
        PutLE32(out, 0xFF000000u | i * 0x010101u);
    for (int32_t y = 0; y < height; ++y) {
        const auto row = plane.subspan(static_cast<size_t>(y) * width, width);
        out.insert(out.end(), row.begin(), row.end());
        out.resize(out.size() + (stride - width), 0);
    }
    return out;
}

std::string MaskPathFor(const std::string& input) {
    return input + ".msk.bmp";
}

MaskResult GenerateMaskFile(const std::string& input, MaskFailure* why) {
    MaskFailure ignored;
    MaskFailure& failure = why ? *why : ignored;
    failure = MaskFailure{};
    std::vector<uint8_t> bytes;
    // A picture too large for the memory there is cannot be read either.
    try {
        SourcePicture picture;
        {
            errno = 0;
            ImageFileBytes file(input.c_str());
            if (!file.IsOpen()) {
                failure.problem = MaskFailure::CannotOpen;
                failure.error_number = errno != 0 ? errno : EIO;
                return MaskResult::ReadFailed;
            }
            if (!ReadBmpFileBytes(file)) {
                failure.problem = MaskFailure::NotBmp;
                return MaskResult::ReadFailed;
            }
            if (!ReadSourcePicture(file.Bytes(), picture, int64_t{16384} * 16384, &failure))
                return MaskResult::ReadFailed;
        }
        bytes = EncodeMaskBmp(picture.width, picture.height, MakeMask(picture));
    } catch (const std::bad_alloc&) {
        failure.problem = MaskFailure::TooLarge;
        return MaskResult::ReadFailed;
    }

    vn::AtomicFile file;
    const auto writeFailed = [&](int error) {
        failure.problem = MaskFailure::CannotWrite;
        failure.error_number = error != 0 ? error : EIO;
        return MaskResult::WriteFailed;
    };
    if (!file.Open(MaskPathFor(input)))
        return writeFailed(file.Error());
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.Stream()) != bytes.size())
        return writeFailed(errno);
    return file.Commit() ? MaskResult::Written : writeFailed(file.Error());
}

std::string MaskFailureMessage(MaskResult result, const std::string& input) {
    switch (result) {
    case MaskResult::ReadFailed:
        return input + " の読み込みに失敗しました。";
    case MaskResult::WriteFailed:
        return MaskPathFor(input) + " の書き込みに失敗しました。";
    case MaskResult::Written:
        break;
    }
    return {};
}

std::string MaskFailureReason(const MaskFailure& why) {
    switch (why.problem) {
    case MaskFailure::None:
        break;
    case MaskFailure::CannotOpen:
        return std::string("ファイルを開けません（") + std::strerror(why.error_number) + "）";
    case MaskFailure::NotBmp:
        return "BMPファイルではないか、ヘッダが壊れています";
    case MaskFailure::BitDepth:
        return std::to_string(why.bitsPerPixel) +
               "ビットのBMPです（24ビットのBMPだけを変換できます）";
    case MaskFailure::Compressed:
        return "圧縮されたBMPです（無圧縮のBMPだけを変換できます）";
    case MaskFailure::TooLarge:
        return "画像が大きすぎます";
    case MaskFailure::Truncated:
        return "ファイルが画像の途中で終わっています";
    case MaskFailure::CannotWrite:
        return std::strerror(why.error_number);
    }
    return {};
}

} // namespace maskgen
