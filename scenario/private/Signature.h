// The signature string item that opens event and flag-data files.
#pragma once

#include "scenario/VNLoadError.h"

class VNFileReader;

namespace vn {

// Reads the first item; it must be a string item holding exactly
// `signature` (the same text, and no bytes after a zero inside it). On
// failure `why`, when given, says BadSignature.
bool ReadSignature(VNFileReader& reader, const char* signature, VNLoadError* why);

} // namespace vn
