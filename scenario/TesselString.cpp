#include "scenario/TesselString.h"

#include "scenario/ShiftJis.h"
#include "scenario/VNString.h"

#include <cstdio>
#include <cstring>

namespace libtessel {
namespace {

// The character operations are VNString's; these carry the text across.
VNString AsVN(const String& s) {
    return VNString::FromBytes(s.Bytes());
}

String FromVN(const VNString& s) {
    return String(s.c_str(), s.GetByteLength());
}

} // namespace

String::String(const char* bytes) {
    SetBytes(bytes ? std::string(bytes) : std::string());
}

String::String(const char* bytes, int32_t length) {
    SetBytes(bytes && length > 0 ? std::string(bytes, static_cast<size_t>(length)) : std::string());
}

String::String(const char16_t* wide) {
    SetWide(wide ? std::u16string(wide) : std::u16string());
}

String::String(const char16_t* wide, int32_t length) {
    SetWide(wide && length > 0 ? std::u16string(wide, static_cast<size_t>(length))
                               : std::u16string());
}

String::String(int32_t value, const char* format) {
    char buffer[kFormatBufferSize];
    const int written = std::snprintf(buffer, sizeof buffer, format ? format : "%d", value);
    SetBytes(written < 0 ? std::string() : std::string(buffer));
}

const std::u16string& String::Wide() const {
    if (!wide_)
        wide_ = vn::sjis::ToWide(bytes_);
    return *wide_;
}

String String::operator+(const String& right) const {
    String s;
    s.SetBytes(bytes_ + right.bytes_);
    return s;
}

String& String::operator+=(const String& right) {
    SetBytes(bytes_ + right.bytes_);
    return *this;
}

void String::CopyBytesTo(char* destination) const {
    std::memcpy(destination, bytes_.c_str(), bytes_.size() + 1);
}

void String::CopyCharsTo(char16_t* destination) const {
    const std::u16string& wide = Wide();
    std::memcpy(destination, wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
}

bool String::IsNumeric() const {
    return AsVN(*this).IsNumeric();
}

int32_t String::ToInt() const {
    return AsVN(*this).ToInt();
}

String String::TrimLeft(const String& set) const {
    return FromVN(AsVN(*this).TrimLeft(AsVN(set)));
}

String String::RemoveChars(const String& set) const {
    return FromVN(AsVN(*this).RemoveChars(AsVN(set)));
}

String String::RemoveNewlines() const {
    return FromVN(AsVN(*this).RemoveNewlines());
}

String String::SplitToken(const String& delimiters) {
    VNString rest = AsVN(*this);
    const VNString token = rest.SplitToken(AsVN(delimiters));
    SetBytes(rest.Bytes());
    return FromVN(token);
}

void String::SetBytes(std::string bytes) {
    // A zero byte ends a zero-terminated text, as in VNString.
    if (const auto zero = bytes.find('\0'); zero != std::string::npos)
        bytes.resize(zero);
    bytes_ = std::move(bytes);
    length_ = vn::sjis::CountChars(bytes_);
    wide_.reset();
}

void String::SetWide(const std::u16string& wide) {
    SetBytes(VNString::FromWide(wide).Bytes());
}

} // namespace libtessel
