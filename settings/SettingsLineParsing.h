// The parsing rules of the settings-file lines: number lines, the leading integer of the version and count
// lines, and the blank test of templates. All of them work on one decoded line without its line end.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantolex {

// Reads exactly `numbers.size()` decimal integers separated by commas into `numbers`. Each number may have
// white space and one sign before it; the comma must follow the number directly; text after the last number
// is ignored. Fails (false) when fewer numbers can be read, or when a number does not fit into an int.
// `numbers` may have been partly written on failure.
bool parseNumbers(std::u16string_view line, std::span<int> numbers);

// The leading decimal integer of `line`: white space skipped, an optional sign, the digits up to the first
// other character; no digits give 0. Values beyond the int range are clamped to it.
int leadingInteger(std::u16string_view line);

// True when `text` is empty or all white space.
bool isBlank(std::u16string_view text);

} // namespace vantolex
