#include "platform/private/QtText.h"

#include "scenario/ShiftJis.h"

namespace platform::detail {

QString ToQString(const VNString& text) {
    const std::u16string& wide = text.Wide();
    return QString(reinterpret_cast<const QChar*>(wide.data()),
                   static_cast<qsizetype>(wide.size()));
}

QString Utf8ToQString(const char8_t* utf8) {
    return utf8 ? QString::fromUtf8(reinterpret_cast<const char*>(utf8)) : QString();
}

VNString FromQString(const QString& text) {
    VNString out;
    FromQString(text, out);
    return out;
}

bool FromQString(const QString& text, VNString& out) {
    std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<size_t>(text.size()));
    std::string bytes;
    if (vn::sjis::FromWide(wide, bytes)) {
        out = VNString::FromBytes(bytes);
        return true;
    }
    // Convert one character at a time so a stray character costs only itself.
    bytes.clear();
    std::string part;
    for (size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (QChar::isHighSurrogate(c) && i + 1 < wide.size() && QChar::isLowSurrogate(wide[i + 1]))
            ++i; // a character outside the basic plane: never Shift-JIS
        else if (vn::sjis::FromWide(std::u16string_view(&c, 1), part)) {
            bytes += part;
            continue;
        }
        bytes += '?';
    }
    out = VNString::FromBytes(bytes);
    return false;
}

} // namespace platform::detail
