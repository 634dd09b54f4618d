// The string of the stream library: Shift-JIS bytes, plus the same text as
// 16-bit wide units built only when an operation first needs it.
//
// Unlike VNString, constructing from bytes does not convert: the wide form is
// made on the first character operation or request for the wide text, and
// every modification discards it. The character operations behave exactly
// like VNString's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace libtessel {

class String {
public:
    // Size of the buffer the integer constructor formats into (terminator included).
    static constexpr int kFormatBufferSize = 4096;

    String() = default;
    String(const char* bytes);                 // zero-terminated Shift-JIS bytes
    String(const char* bytes, int32_t length); // a byte range, copied and terminated
    String(const char16_t* wide);
    String(const char16_t* wide, int32_t length);
    // Formats `value` with `format` ("%d" unless the caller gives one); the
    // result is cut to fit the 4096-byte buffer.
    explicit String(int32_t value, const char* format = "%d");

    const char* c_str() const { return bytes_.c_str(); }
    const std::string& Bytes() const { return bytes_; }
    const char16_t* GetWide() const { return Wide().c_str(); }
    const std::u16string& Wide() const;
    // True once the wide form has been built (and not discarded since).
    bool HasWide() const { return wide_.has_value(); }

    char GetByte(int32_t i) const { return bytes_[static_cast<size_t>(i)]; }
    char16_t GetChar(int32_t i) const { return Wide()[static_cast<size_t>(i)]; }
    int32_t GetByteLength() const { return static_cast<int32_t>(bytes_.size()); }
    // Characters: a double-byte character counts once. Needs no wide form.
    int32_t GetLength() const { return length_; }
    bool IsEmpty() const { return bytes_.empty(); }

    String operator+(const String& right) const;
    String& operator+=(const String& right);
    bool operator==(const String& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const String& other) const { return bytes_ != other.bytes_; }

    void CopyBytesTo(char* destination) const;
    void CopyCharsTo(char16_t* destination) const;

    bool IsNumeric() const;
    int32_t ToInt() const;
    String TrimLeft(const String& set) const;
    String RemoveChars(const String& set) const;
    String RemoveNewlines() const;
    String SplitToken(const String& delimiters);

private:
    void SetBytes(std::string bytes);
    void SetWide(const std::u16string& wide);

    std::string bytes_;
    int32_t length_ = 0;
    mutable std::optional<std::u16string> wide_;
};

} // namespace libtessel
