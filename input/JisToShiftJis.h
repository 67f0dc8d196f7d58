// The arithmetic that turns a JIS X 0208 row and cell byte pair into its Shift JIS pair.
#pragma once

#include <array>

namespace vantolex {

// For j1 and j2 in 0x21..0x7E the standard JIS X 0208 to Shift JIS mapping (row 0x21 gives lead byte
// 0x81, row 0x5F gives 0xE0); other byte values go through the same arithmetic and give the bytes it gives.
constexpr std::array<unsigned char, 2> jisToShiftJis(int j1, int j2)
{
    const int t = (j1 - 0x21) >> 1; // arithmetic shift: a first byte below 0x21 gives a negative row
    int s1 = (t + 0x81) & 0xFF;
    if (s1 >= 0xA0 && s1 <= 0xDF)
        s1 += 0x40;
    int s2 = 0;
    if (j1 % 2 == 0)
        s2 = j2 + 0x7E;
    else
        s2 = j2 <= 0x5F ? j2 + 0x1F : j2 + 0x20;
    return { static_cast<unsigned char>(s1), static_cast<unsigned char>(s2) };
}

} // namespace vantolex
