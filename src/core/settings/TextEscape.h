#pragma once
// The settings documents carry texts without XML entities: special bytes are
// written as '#' and a letter ("#A" for '&', "#D" for a line break, ...).
#include <cstddef>
#include <string>

namespace volmar {

// Appends text with its special bytes replaced. CR LF and a lone CR or LF
// each become one "#D".
void EscapeElementText(std::string& out, const char* text, size_t len);

// Turns an escaped text back into bytes and stores it in a field of capacity
// bytes (including the NUL). The whole text is unescaped first and then cut
// to the field on a UTF-8 character boundary, never between CR and LF, so a
// text whose escaped form is longer than the field keeps every character
// that fits.
void UnescapeElementText(const char* text, size_t len, char* field, size_t capacity);

}  // namespace volmar
