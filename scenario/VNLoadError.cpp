#include "scenario/VNLoadError.h"

#include "scenario/VNFileReader.h"

#include <cstring>

namespace {

std::string Where(VNLoadError::Place place, int32_t index) {
    using Place = VNLoadError::Place;
    switch (place) {
    case Place::Signature:
        return "the signature";
    case Place::EventCount:
        return "the event count";
    case Place::ParameterCount:
        return "the parameter count";
    case Place::Event:
        return "event " + std::to_string(int64_t{index} + 1) + " (counted from 1)";
    case Place::Parameter:
        return "parameter " + std::to_string(int64_t{index} + 1) + " (counted from 1)";
    case Place::File:
        break;
    }
    return "the file";
}

} // namespace

std::string VNLoadError::Describe() const {
    const std::string where = Where(place, index);
    switch (kind) {
    case Kind::None:
        return "no error";
    case Kind::CannotOpen:
        return std::string("cannot open the file: ") + std::strerror(error_number);
    case Kind::BadSignature:
        return "wrong file type: the signature \"" + signature + "\" is missing";
    case Kind::FileEnds:
        return "file ends inside " + where;
    case Kind::UnknownCode:
        return "unknown event code " + std::to_string(code) + " at " + where;
    case Kind::BadStringTag:
        return "string item with tag " + std::to_string(tag) + " (not 2 or 3) in " + where;
    case Kind::NegativeLength:
        return "negative string length " + std::to_string(length) + " in " + where;
    case Kind::StringTooLong:
        if (bytes_left >= 0)
            return "string length " + std::to_string(length) + " is larger than the file (" +
                   std::to_string(bytes_left) + " bytes left) in " + where;
        return "string length " + std::to_string(length) + " is larger than the file in " + where;
    case Kind::DuplicateName:
        return "duplicate parameter name \"" + name.ToUtf8Lossy() + "\" at " + where;
    case Kind::OutOfMemory:
        return "out of memory at " + where;
    }
    return "unknown error";
}

VNLoadError VNLoadError::FromReader(const VNFileReader& reader, Place place, int32_t index) {
    VNLoadError error;
    error.place = place;
    error.index = index;
    error.offset = reader.FailedItemOffset();
    error.tag = reader.FailedTag();
    error.length = reader.FailedLength();
    switch (reader.GetFailure()) {
    case VNFileReader::Failure::BadTag:
        error.kind = Kind::BadStringTag;
        break;
    case VNFileReader::Failure::NegativeLength:
        error.kind = Kind::NegativeLength;
        break;
    case VNFileReader::Failure::LengthBeyondLimit:
    case VNFileReader::Failure::LengthBeyondFile:
        error.kind = Kind::StringTooLong;
        // The bytes left after the item's tag and length fields.
        if (reader.BytesLeft() >= 0)
            error.bytes_left = reader.BytesLeft();
        break;
    case VNFileReader::Failure::EndOfFile:
    case VNFileReader::Failure::None:
        error.kind = Kind::FileEnds;
        break;
    }
    return error;
}
