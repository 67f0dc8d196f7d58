// Whether bytes read in another encoding are in fact UTF-8 text, for a hint to the user; nothing is ever decoded
// differently because of it.
#pragma once

#include <span>

namespace vantolex {

// True when `bytes` hold at least one non-ASCII character and are well-formed UTF-8 throughout (no overlong
// forms, no surrogates, nothing above U+10FFFF). `cutShort` says that the bytes are the start of a longer
// text, so that a sequence cut off at their end still counts as well-formed.
bool isNonAsciiUtf8(std::span<const unsigned char> bytes, bool cutShort);

} // namespace vantolex
