// Character classes of the layout, generated from the Unicode 5.2 character database.
#pragma once

#include <cstdint>

namespace vantolex {

// Bit (c % 8) of byte (c / 8) belongs to 16-bit code unit c. Generated into base/UnicodeTablesData.cpp by
// tools/GenerateUnicodeTables.cpp; the rules are those of isPrintable and isDoubleWidth.
extern const std::uint8_t PrintableSet[8192];
extern const std::uint8_t DoubleWidthSet[8192];

// A closed range of code points.
struct CodePointRange
{
    char32_t first;
    char32_t last;
};

// The code points above U+FFFF, as sorted, disjoint ranges generated into the same file: the printable ones
// (the rule of isPrintable), and the printable ones whose East_Asian_Width is W or F.
extern const CodePointRange SupplementaryPrintable[];
extern const int SupplementaryPrintableCount;
extern const CodePointRange SupplementaryWide[];
extern const int SupplementaryWideCount;

// Set for every code unit that Unicode 5.2 assigns to a character whose general category is none of Cc,
// Cf, Cs and Co.
inline bool isPrintable(char16_t unit)
{
    return (PrintableSet[unit / 8] >> (unit % 8) & 1) != 0;
}

// Set for every printable code unit whose East_Asian_Width is W, F or A: it takes two half-width cells.
// Inline, like isPrintable, because the output engine asks for every character it places.
inline bool isDoubleWidth(char16_t unit)
{
    return (DoubleWidthSet[unit / 8] >> (unit % 8) & 1) != 0;
}

// A code point above U+FFFF that Unicode 5.2 assigns to a printable character (the rule of isPrintable).
bool isPrintableSupplementary(char32_t codePoint);

// A printable code point above U+FFFF whose East_Asian_Width is W or F: it takes two half-width cells.
bool isWideSupplementary(char32_t codePoint);

} // namespace vantolex
