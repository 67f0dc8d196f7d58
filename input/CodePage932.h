// Microsoft code page 932 (Shift JIS with the NEC and IBM extensions), both directions, mapped exactly as
// Microsoft's own table maps it (input/CodePage932Table.cpp, generated from data/cp932/bestfit932.txt).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantolex::cp932 {

// The UTF-16 text of `bytes`, converted as MultiByteToWideChar converts code page 932 with flags 0: every
// byte is consumed, a 0 byte included; a lead byte and a trail byte that the table maps to nothing, and a
// lead byte that no trail byte follows, give U+30FB (the byte after such a lead byte is read on its own);
// single bytes give what the table gives them (0x80 is U+0080, 0xA0 is U+F8F0, 0xFD to 0xFF are U+F8F1 to
// U+F8F3).
std::u16string decode(std::string_view bytes);

// The code page 932 bytes of `text`, or std::nullopt when a unit has no mapping that decodes back to it
// (a lone surrogate, characters outside the code page, best-fit mappings such as U+00A5 to 0x5C). Where
// several codes decode to one unit, the table's preferred code is taken (U+FFE2 is 0x81CA).
std::optional<std::string> encode(std::u16string_view text);

} // namespace vantolex::cp932
