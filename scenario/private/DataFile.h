// Steps shared by the event file and the flag-data file: opening for a load,
// the signature item that opens both, and saving through the atomic writer.
#pragma once

#include "scenario/VNFileWriter.h"
#include "scenario/VNLoadError.h"

#include <cerrno>
#include <string>

class VNFileReader;

namespace vn {

// Opens `path` for reading; on failure `why`, when given, says CannotOpen.
bool OpenForLoad(VNFileReader& reader, const std::string& path, VNLoadError* why);

// Reads the first item; it must be a string item holding exactly
// `signature` (the same text, and no bytes after a zero inside it). On
// failure `why`, when given, says BadSignature.
bool ReadSignature(VNFileReader& reader, const char* signature, VNLoadError* why);

// Reads the signature item and the integer item holding the number of
// entries that follows it; `count_place` names that item in `why`.
bool ReadHeader(VNFileReader& reader, const char* signature, VNLoadError::Place count_place,
                int32_t& count, VNLoadError* why);

// The error of a load that ran out of memory at entry `at` (a place of
// kind `entries`), or in the signature when `at` is below 0. Allocates
// nothing, so it is safe to make while memory is short.
VNLoadError OutOfMemoryAt(int32_t at, VNLoadError::Place entries);

// Writes a whole file: `write_items` writes the items after Open, then the
// file replaces `path`. On failure nothing replaces `path` and
// `error_number`, when given, receives the errno of the failure (EIO when
// none is known).
template <class WriteItems>
bool SaveFile(const std::string& path, int* error_number, WriteItems&& write_items) {
    VNFileWriter writer;
    const bool ok = writer.Open(path) && write_items(writer) && writer.Close();
    if (!ok) {
        if (error_number)
            *error_number = writer.Error() ? writer.Error() : EIO;
        writer.Abandon();
    }
    return ok;
}

} // namespace vn
