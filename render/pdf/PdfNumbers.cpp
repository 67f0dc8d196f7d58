#include "render/pdf/PdfNumbers.h"

#include <charconv>
#include <cmath>

namespace vantolex::pdf {

void appendInteger(std::string& out, long long value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void appendDecimal(std::string& out, double value)
{
    long long thousandths = std::llround(value * 1000.0);
    if (thousandths < 0) {
        out += '-';
        thousandths = -thousandths;
    }
    appendInteger(out, thousandths / 1000);
    int fraction = static_cast<int>(thousandths % 1000);
    if (fraction == 0) {
        return;
    }
    out += '.';
    char digits[3] = { static_cast<char>('0' + fraction / 100), static_cast<char>('0' + fraction / 10 % 10),
                       static_cast<char>('0' + fraction % 10) };
    int length = 3;
    while (digits[length - 1] == '0') {
        --length;
    }
    out.append(digits, static_cast<std::size_t>(length));
}

void appendUtf16Hex(std::string& out, char32_t c)
{
    if (c >= 0x10000) {
        appendGlyphHex(out, 0xD800 + ((c - 0x10000) >> 10));
        appendGlyphHex(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        appendGlyphHex(out, c);
    }
}

void appendTextString(std::string& out, std::u16string_view text)
{
    out += "<FEFF";
    for (const char16_t unit : text) {
        appendGlyphHex(out, unit);
    }
    out += '>';
}

} // namespace vantolex::pdf
