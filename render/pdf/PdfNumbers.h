// Numbers and strings in the notation of PDF, appended to a buffer without printf: the writer formats
// several numbers per line of text and one hex glyph id per character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantolex::pdf {

// `value` in decimal.
void appendInteger(std::string& out, long long value);

// `value` rounded to three decimal places, without trailing zeros or a trailing point ("12", "0.5",
// "-3.125"); -0 is written as 0.
void appendDecimal(std::string& out, double value);

// The four hex digits of a two-byte glyph id, upper case.
inline void appendGlyphHex(std::string& out, std::uint32_t glyph)
{
    constexpr char digits[] = "0123456789ABCDEF";
    const char text[4]
        = { digits[(glyph >> 12) & 0xF], digits[(glyph >> 8) & 0xF], digits[(glyph >> 4) & 0xF], digits[glyph & 0xF] };
    out.append(text, 4);
}

// A text string as a hex string of UTF-16BE with a byte order mark: <FEFF...>.
void appendTextString(std::string& out, std::u16string_view text);

// The UTF-16BE hex digits of code point `c` (a surrogate pair beyond the BMP), without brackets.
void appendUtf16Hex(std::string& out, char32_t c);

} // namespace vantolex::pdf
