#pragma once
// Conversion between the record's UTF-8 texts and the UTF-16 texts of the
// editors.
#include <cstddef>
#include <string>
#include <string_view>

namespace volmar {

constexpr size_t kMaxWideUnits = 4096;

// Decodes UTF-8 into at most kMaxWideUnits UTF-16 units. Bytes that do not
// form a valid sequence become U+FFFD; characters above U+FFFF become a
// surrogate pair.
std::u16string Utf8ToWide(const char* text, size_t len);
inline std::u16string Utf8ToWide(const std::string& text) { return Utf8ToWide(text.data(), text.size()); }

// Encodes one UTF-16 unit as one to three UTF-8 bytes; returns the count.
size_t WideCharToUtf8(char16_t unit, char out[3]);

// Encodes a UTF-16 text. A surrogate pair becomes one four-byte sequence
// (valid UTF-8, which the document reader accepts); a lone surrogate U+FFFD.
std::string WideToUtf8(const std::u16string& text);

// The texts the unit takes in ASCII only (IDs, passwords): every byte below
// 0x80. A document that holds any other byte there is refused.
bool IsAsciiText(std::string_view text);
// What the editors accept for such a text: ASCII of at most maxChars
// characters.
bool IsPlainCredential(std::string_view text, size_t maxChars);

}  // namespace volmar
