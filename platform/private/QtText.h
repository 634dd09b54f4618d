// Conversions between the suite's strings and the toolkit's.
#pragma once

#include "scenario/VNString.h"

#include <QString>

namespace platform::detail {

QString ToQString(const VNString& text);
QString Utf8ToQString(const char8_t* utf8);
// Characters that have no Shift-JIS form (text typed by the user) become '?'.
VNString FromQString(const QString& text);
// The same; false when any character had to become '?'.
bool FromQString(const QString& text, VNString& out);

} // namespace platform::detail
