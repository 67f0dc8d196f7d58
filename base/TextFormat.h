// printf-style formatting of the system's own message texts into UTF-16.
//
// The message texts are written with printf conversions ("%d 行毎、%d 桁", "%s - Vantolex"); this fills
// them in without going through a C locale. Supported: %d (int), %s (UTF-16 text), %.Nf (double, N
// decimals, 0 to 9), %% (a percent sign). A conversion whose argument is missing or of another kind is a
// programming error (assert); in release builds it is copied through unchanged.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vantolex {

using FormatArgument = std::variant<int, double, std::u16string_view>;

std::u16string formatText(std::u16string_view pattern, std::initializer_list<FormatArgument> arguments);

// Decimal digits of `value`, with a leading '-' when negative.
std::u16string decimalText(long long value);

// The int that `text` is exactly: decimal digits with an optional sign ("+" or "-"), nothing else; nullopt
// for anything else and for a value outside the int range.
std::optional<int> parseInteger(std::string_view text);

} // namespace vantolex
