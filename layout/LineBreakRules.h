// Japanese line breaking (kinsoku) on the grid, after JIS X 4051: the characters that may not start a
// display line made by wrapping, and those that may not end one.
#pragma once

#include <string_view>

namespace vantolex {

// Closing brackets and quotes, 、。，．, ・：；？！‼⁇⁈⁉, small kana, ー, the iteration marks, and their
// half-width forms.
bool mayNotStartLine(char32_t codePoint);

// Opening brackets and quotes, and the half-width ｢.
bool mayNotEndLine(char32_t codePoint);

// The characters of each class, in the order of the rules above.
extern const std::u16string_view lineStartProhibited;
extern const std::u16string_view lineEndProhibited;

} // namespace vantolex
