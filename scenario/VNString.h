// The string of the whole system: Shift-JIS bytes and the same text as
// 16-bit wide units, always in agreement. The wide form is made from the
// bytes when it is first asked for and kept until the next change, so the
// many strings of a loaded event file cost only their bytes.
//
// Character operations (trimming, splitting, removing) work on the wide form
// and rebuild the bytes; concatenation works on the bytes and rebuilds the
// wide form. Strings are values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class VNString {
public:
    VNString();
    VNString(const char* bytes);                 // zero-terminated Shift-JIS bytes
    VNString(const char* bytes, int32_t length); // a byte range, copied and terminated
    VNString(const char16_t* wide);              // zero-terminated wide text
    VNString(const char16_t* wide, int32_t length);
    VNString(const char8_t* utf8);    // the system's own texts, written as u8"..."
    explicit VNString(int32_t value); // decimal, "%d"
    VNString(const VNString& other);
    VNString(VNString&&) noexcept = default;
    VNString& operator=(const VNString& other);
    VNString& operator=(VNString&&) noexcept = default;

    // Shift-JIS text from a byte string / wide text from a u16string.
    static VNString FromBytes(std::string_view bytes);
    static VNString FromWide(std::u16string_view wide);
    // Converts UTF-8 (for example from a command line); false when the text is
    // not valid UTF-8 or holds a character without a Shift-JIS form.
    static bool FromUtf8(std::string_view utf8, VNString& out);
    // The text as UTF-8; false when it holds bytes that are not valid Shift-JIS.
    bool ToUtf8(std::string& out) const;
    // UTF-8 for messages and file names; undecodable bytes become U+FFFD.
    std::string ToUtf8Lossy() const;

    const char* c_str() const { return bytes_.c_str(); }
    const char16_t* GetWide() const { return Wide().c_str(); }
    const std::string& Bytes() const { return bytes_; }
    const std::u16string& Wide() const;
    char GetByte(int32_t i) const { return bytes_[static_cast<size_t>(i)]; }
    char16_t GetChar(int32_t i) const { return Wide()[static_cast<size_t>(i)]; }
    int32_t GetByteLength() const { return static_cast<int32_t>(bytes_.size()); }
    int32_t GetLength() const { return static_cast<int32_t>(Wide().size()); }
    bool IsEmpty() const { return bytes_.empty(); }

    VNString operator+(const VNString& right) const;
    VNString& operator+=(const VNString& right);
    bool operator==(const VNString& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const VNString& other) const { return bytes_ != other.bytes_; }

    // Copy the text and a terminator into a caller's buffer (large enough).
    void CopyBytesTo(char* destination) const;
    void CopyCharsTo(char16_t* destination) const;

    // True when every character is a digit or a minus sign (true when empty).
    bool IsNumeric() const;
    // Leading blanks skipped, optional sign, digits to the first non-digit; 0
    // when none; values beyond 32 bits saturate.
    int32_t ToInt() const;
    VNString TrimLeft(const VNString& set) const;
    VNString RemoveChars(const VNString& set) const;
    VNString RemoveNewlines() const;
    // The longest leading part of whole characters within `maxBytes` bytes,
    // found from the bytes alone, so a huge text is not converted for it.
    VNString PrefixBytes(int32_t maxBytes) const;
    // Takes the leading token off this string: returns the characters before
    // the first member of `delimiters` and leaves the text after that single
    // delimiter (empty when none was found).
    VNString SplitToken(const VNString& delimiters);

private:
    void SetBytes(std::string bytes);
    void SetWide(std::u16string wide);

    std::string bytes_;
    // The wide form of bytes_, or null until it is asked for.
    mutable std::unique_ptr<std::u16string> wide_;
};
