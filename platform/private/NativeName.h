// Paths as the file system holds them: bytes, usually UTF-8, but files
// copied from old games are often named in raw Shift-JIS. The toolkit reads
// every name as UTF-8 and loses such bytes, so the platform layer keeps the
// bytes and converts them here for showing and for the suite's strings.
#pragma once

#include "scenario/VNString.h"

#include <QString>
#include <string_view>

namespace platform::detail {

// The text of a native path: each component that is valid UTF-8 reads as
// UTF-8, any other as the Shift-JIS bytes it is.
QString NativeToQString(std::string_view native);

// The same text in the suite's strings. False when it has characters with no
// Shift-JIS form; each of them is '?' in `out` then.
bool NativeToVNString(std::string_view native, VNString& out);

} // namespace platform::detail
