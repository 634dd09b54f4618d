#include "scenario/private/DataFile.h"

#include "scenario/VNFileReader.h"

#include <cerrno>
#include <cstring>

namespace vn {

bool OpenForLoad(VNFileReader& reader, const std::string& path, VNLoadError* why) {
    if (reader.Open(path))
        return true;
    if (why) {
        *why = VNLoadError();
        why->kind = VNLoadError::Kind::CannotOpen;
        why->error_number = reader.OpenError();
    }
    return false;
}

// Reads the signature string item; it must hold exactly `signature`.
bool ReadSignature(VNFileReader& reader, const char* signature, VNLoadError* why) {
    const int64_t start = reader.Offset();
    VNString text;
    if (!reader.ReadString(text)) {
        // Whatever stands first is not the signature: another kind of file.
        if (why) {
            *why = VNLoadError::FromReader(reader, VNLoadError::Place::Signature, -1);
            why->kind = VNLoadError::Kind::BadSignature;
            why->signature = signature;
        }
        return false;
    }
    const auto item_size = static_cast<int64_t>(5 + std::strlen(signature));
    if (text == VNString(signature) && reader.Offset() - start == item_size)
        return true;
    if (why) {
        *why = VNLoadError();
        why->kind = VNLoadError::Kind::BadSignature;
        why->place = VNLoadError::Place::Signature;
        why->offset = start;
        why->signature = signature;
    }
    return false;
}

bool ReadHeader(VNFileReader& reader, const char* signature, VNLoadError::Place count_place,
                int32_t& count, VNLoadError* why) {
    if (!ReadSignature(reader, signature, why))
        return false;
    if (reader.ReadInt(count))
        return true;
    if (why)
        *why = VNLoadError::FromReader(reader, count_place, -1);
    return false;
}

VNLoadError OutOfMemoryAt(int32_t at, VNLoadError::Place entries) {
    VNLoadError error;
    error.kind = VNLoadError::Kind::OutOfMemory;
    error.place = at < 0 ? VNLoadError::Place::Signature : entries;
    error.index = at;
    return error;
}

} // namespace vn
