// Surrogate pairs of UTF-16 text, for the engine's placement of characters beyond U+FFFF.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantolex {

// True when text[at] and text[at + 1] are a high and a low surrogate.
inline bool isSurrogatePair(std::u16string_view text, std::size_t at)
{
    return at + 1 < text.size() && text[at] >= 0xD800 && text[at] < 0xDC00 && text[at + 1] >= 0xDC00
        && text[at + 1] < 0xE000;
}

// The code point of the character that starts at text[0]: of the pair, or the unit itself.
inline char32_t leadingCodePoint(std::u16string_view text)
{
    if (isSurrogatePair(text, 0))
        return 0x10000 + ((static_cast<char32_t>(text[0]) - 0xD800) << 10) + (text[1] - 0xDC00);
    return text.empty() ? 0 : text[0];
}

} // namespace vantolex
