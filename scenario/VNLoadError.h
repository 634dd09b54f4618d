// What made an event file or a flag-data file fail to load, and where.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <string>

class VNFileReader;

struct VNLoadError {
    enum class Kind {
        None,
        CannotOpen,     // error_number says why
        BadSignature,   // the first item is not the string `signature`
        FileEnds,       // the file ends inside an item
        UnknownCode,    // an event code outside 1..23
        BadStringTag,   // a string item's tag is neither 2 nor 3
        NegativeLength, // a string item's length is below 0
        StringTooLong,  // a string item's length exceeds the bytes left
        DuplicateName,  // a parameter name stored twice
        OutOfMemory,    // memory ran out while reading `place`/`index`
    };
    // The part of the file that failed.
    enum class Place { File, Signature, EventCount, Event, ParameterCount, Parameter };

    Kind kind = Kind::None;
    Place place = Place::File;
    int32_t index = -1;      // event or parameter, counted from 0
    int64_t offset = 0;      // byte offset of the item that failed
    int32_t code = 0;        // UnknownCode
    int tag = 0;             // BadStringTag
    int64_t length = 0;      // NegativeLength, StringTooLong
    int64_t bytes_left = -1; // StringTooLong; -1 when the size is unknown
    int error_number = 0;    // CannotOpen
    std::string signature;   // BadSignature: the signature expected
    VNString name;           // DuplicateName

    // One line of English, for example "file ends inside event 3 (counted
    // from 1)". Events and parameters are counted from 1 in the text.
    std::string Describe() const;

    // The failure of the item `reader` could not read at `place`/`index`.
    static VNLoadError FromReader(const VNFileReader& reader, Place place, int32_t index);
};
