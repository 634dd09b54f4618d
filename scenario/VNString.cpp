#include "scenario/VNString.h"

#include "scenario/ShiftJis.h"
#include "scenario/VNAssert.h"

#include <climits>
#include <cstring>

namespace {

bool InSet(char16_t c, const VNString& set) {
    return set.Wide().find(c) != std::u16string::npos;
}

} // namespace

VNString::VNString() = default;

VNString::VNString(const char* bytes) {
    SetBytes(bytes ? std::string(bytes) : std::string());
}

VNString::VNString(const char* bytes, int32_t length) {
    SetBytes(bytes && length > 0 ? std::string(bytes, static_cast<size_t>(length)) : std::string());
}

VNString::VNString(const char16_t* wide) {
    SetWide(wide ? std::u16string(wide) : std::u16string());
}

VNString::VNString(const char16_t* wide, int32_t length) {
    SetWide(wide && length > 0 ? std::u16string(wide, static_cast<size_t>(length))
                               : std::u16string());
}

VNString::VNString(const char8_t* utf8) {
    std::u16string wide;
    const bool ok = utf8 && vn::sjis::Utf8ToWide(reinterpret_cast<const char*>(utf8), wide);
    VN_ASSERT(ok);
    SetWide(ok ? std::move(wide) : std::u16string());
}

VNString::VNString(int32_t value) {
    SetBytes(std::to_string(value));
}

VNString::VNString(const VNString& other) : bytes_(other.bytes_) {
    if (other.wide_)
        wide_ = std::make_unique<std::u16string>(*other.wide_);
}

VNString& VNString::operator=(const VNString& other) {
    if (this != &other) {
        bytes_ = other.bytes_;
        wide_ = other.wide_ ? std::make_unique<std::u16string>(*other.wide_) : nullptr;
    }
    return *this;
}

const std::u16string& VNString::Wide() const {
    if (!wide_)
        wide_ = std::make_unique<std::u16string>(vn::sjis::ToWide(bytes_));
    return *wide_;
}

VNString VNString::FromBytes(std::string_view bytes) {
    VNString s;
    s.SetBytes(std::string(bytes));
    return s;
}

VNString VNString::FromWide(std::u16string_view wide) {
    VNString s;
    s.SetWide(std::u16string(wide));
    return s;
}

bool VNString::FromUtf8(std::string_view utf8, VNString& out) {
    std::u16string wide;
    std::string bytes;
    if (!vn::sjis::Utf8ToWide(utf8, wide) || !vn::sjis::FromWide(wide, bytes))
        return false;
    for (char16_t c : wide)
        if (vn::sjis::IsEscape(c))
            return false;
    out.SetBytes(std::move(bytes));
    return true;
}

bool VNString::ToUtf8(std::string& out) const {
    return vn::sjis::WideToUtf8(Wide(), out);
}

std::string VNString::ToUtf8Lossy() const {
    std::u16string wide = Wide();
    for (char16_t& c : wide)
        if (c >= 0xD800 && c <= 0xDFFF)
            c = u'\uFFFD';
    std::string out;
    vn::sjis::WideToUtf8(wide, out);
    return out;
}

VNString VNString::operator+(const VNString& right) const {
    VNString s;
    s.SetBytes(bytes_ + right.bytes_);
    return s;
}

VNString& VNString::operator+=(const VNString& right) {
    SetBytes(bytes_ + right.bytes_);
    return *this;
}

void VNString::CopyBytesTo(char* destination) const {
    std::memcpy(destination, bytes_.c_str(), bytes_.size() + 1);
}

void VNString::CopyCharsTo(char16_t* destination) const {
    const std::u16string& wide = Wide();
    std::memcpy(destination, wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
}

bool VNString::IsNumeric() const {
    for (char16_t c : Wide())
        if (!((c >= u'0' && c <= u'9') || c == u'-'))
            return false;
    return true;
}

int32_t VNString::ToInt() const {
    const char* p = bytes_.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1)
            value = static_cast<int64_t>(INT32_MAX) + 1; // saturate, keep scanning
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

VNString VNString::TrimLeft(const VNString& set) const {
    const std::u16string& wide = Wide();
    size_t i = 0;
    while (i < wide.size() && InSet(wide[i], set))
        ++i;
    return FromWide(std::u16string_view(wide).substr(i));
}

VNString VNString::RemoveChars(const VNString& set) const {
    std::u16string kept;
    const std::u16string& wide = Wide();
    kept.reserve(wide.size());
    for (char16_t c : wide)
        if (!InSet(c, set))
            kept.push_back(c);
    return FromWide(kept);
}

VNString VNString::RemoveNewlines() const {
    return RemoveChars(VNString("\r\n"));
}

VNString VNString::PrefixBytes(int32_t maxBytes) const {
    const size_t limit = maxBytes < 0 ? 0 : static_cast<size_t>(maxBytes);
    if (bytes_.size() <= limit)
        return *this;
    size_t end = 0;
    while (end < bytes_.size()) {
        const bool pair = vn::sjis::IsLeadByte(static_cast<unsigned char>(bytes_[end])) &&
                          end + 1 < bytes_.size();
        const size_t next = end + (pair ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return FromBytes(std::string_view(bytes_).substr(0, end));
}

VNString VNString::SplitToken(const VNString& delimiters) {
    const std::u16string& wide = Wide();
    size_t i = 0;
    while (i < wide.size() && !InSet(wide[i], delimiters))
        ++i;
    VNString token = FromWide(std::u16string_view(wide).substr(0, i));
    if (i < wide.size())
        SetWide(wide.substr(i + 1));
    else
        SetWide(std::u16string());
    return token;
}

void VNString::SetBytes(std::string bytes) {
    // A zero byte ends a zero-terminated text: keep the two forms in step with c_str().
    if (const auto zero = bytes.find('\0'); zero != std::string::npos)
        bytes.resize(zero);
    bytes_ = std::move(bytes);
    wide_.reset();
}

void VNString::SetWide(std::u16string wide) {
    if (const auto zero = wide.find(u'\0'); zero != std::u16string::npos)
        wide.resize(zero);
    std::string converted;
    const int bytes = vn::sjis::FromWide(wide, converted) ? static_cast<int>(converted.size()) : -1;
    // Wide text in the system is always made from Shift-JIS text, so it always
    // converts; a release build keeps going with '?' in place of the rest.
    VN_ASSERT(bytes != -1);
    if (bytes == -1) {
        std::string part;
        converted.clear();
        for (char16_t c : wide)
            converted +=
                vn::sjis::FromWide(std::u16string_view(&c, 1), part) ? part : std::string("?");
    }
    bytes_ = std::move(converted);
    wide_.reset();
}
