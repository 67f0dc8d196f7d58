// Code points of UTF-16 text, for the glyph lookups of the drawing services.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantolex {

// The code point at `at` of `text`, and in `units` the number of code units it takes: 2 for a surrogate
// pair, else 1 (a lone surrogate is its own code point).
inline char32_t codePointAt(std::u16string_view text, std::size_t at, std::size_t& units)
{
    const char16_t unit = text[at];
    if (unit >= 0xD800 && unit < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000) {
        units = 2;
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00);
    }
    units = 1;
    return unit;
}

} // namespace vantolex
