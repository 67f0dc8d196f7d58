// Character classes of the layout, generated from the Unicode 5.2 character database.
#pragma once

namespace vantolex {

// Set for every code unit that Unicode 5.2 assigns to a character whose general category is none of Cc,
// Cf, Cs and Co.
bool isPrintable(char16_t unit);

// Set for every printable code unit whose East_Asian_Width is W, F or A: it takes two half-width cells.
bool isDoubleWidth(char16_t unit);

} // namespace vantolex
