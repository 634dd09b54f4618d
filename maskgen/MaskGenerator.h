// The grey mask generator: turns a 24-bit character picture drawn on a flat
// background colour into an 8-bit grey mask BMP with soft edges.
//
// The background colour is that of the bottom-left pixel. Background pixels
// become 0 (transparent); figure pixels are blurred against the background
// so the silhouette loses about its outermost pixel and fades in just inside
// it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace maskgen {

// A 24-bit picture: rows bottom-up (row 0 is the bottom row), blue, green,
// red bytes per pixel, no row padding.
struct SourcePicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgr;
};

// Why a file gave no mask.
struct MaskFailure {
    enum Problem {
        None,
        CannotOpen, // error_number says why
        NotBmp,     // no "BM" signature, or damaged headers
        BitDepth,   // bitsPerPixel other than 24
        Compressed,
        TooLarge,   // more pixels than the limit, or than memory holds
        Truncated,  // shorter than its rows
        CannotWrite // the mask file; error_number says why
    };
    Problem problem = None;
    int bitsPerPixel = 0;
    int error_number = 0;
};

// Reads an uncompressed 24-bit BMP. Fails for other depths, damaged headers,
// or a file shorter than its rows, and says which in `why` when given.
// Top-down files are turned bottom-up.
bool ReadSourcePicture(std::span<const uint8_t> file, SourcePicture& picture,
                       int64_t maxPixels = int64_t{16384} * 16384, MaskFailure* why = nullptr);

// The mask plane of a picture, one byte per pixel, rows bottom-up.
std::vector<uint8_t> MakeMask(const SourcePicture& picture);

// The mask file: 14-byte file header, 40-byte information header, a
// 256-entry grey palette (entry i is blue i, green i, red i, 255) and the
// rows padded with zeros to multiples of 4 bytes.
std::vector<uint8_t> EncodeMaskBmp(int32_t width, int32_t height, std::span<const uint8_t> plane);

// The mask file name for an input: the input path followed by ".msk.bmp".
std::string MaskPathFor(const std::string& input);

enum class MaskResult { Written, ReadFailed, WriteFailed };

// Reads `input`, makes its mask and writes it to MaskPathFor(input) through
// a temporary file that replaces the target only when complete. Only as much
// of the input is read as its header calls for; a picture that does not fit
// in memory is a read failure.
MaskResult GenerateMaskFile(const std::string& input, MaskFailure* why = nullptr);

// The user-facing message for a failed result (UTF-8), naming the input
// for a read failure and the output for a write failure; empty for Written.
std::string MaskFailureMessage(MaskResult result, const std::string& input);

// The failure in a few words for the author (UTF-8, no final stop), such as
// "32ビットのBMPです（24ビットのBMPだけを変換できます）".
std::string MaskFailureReason(const MaskFailure& why);

} // namespace maskgen
