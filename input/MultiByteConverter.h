// The multi-byte to UTF-16 converter behind the Shift JIS, UTF-8, EUC-JP and ISO-2022-JP decoders, with the
// contract of the platform converter it stands for (MultiByteToWideChar with flags 0).
#pragma once

namespace vantolex {

inline constexpr int codePageAnsi = 0; // the system's default code page: here always 932
inline constexpr int codePageShiftJis = 932; // Microsoft code page 932
inline constexpr int codePageUtf8 = 65001;

// Converts `length` bytes at `bytes` from `codePage` (0, 932 or 65001) to UTF-16 units at `units`.
// A length of -1 means the bytes up to and including the first 0 byte. With a capacity of 0 nothing is
// written and the result is the number of units the conversion gives; otherwise the units are written and
// their number returned. The result is 0 on failure: an empty input (length 0), a length below -1, an
// unknown code page, or a capacity too small for the whole result (then the units written are undefined).
// Bad byte sequences are no failure: code page 932 gives U+30FB for each (see cp932::decode), UTF-8 gives
// one U+FFFD for each maximal ill-formed part (an invalid lead byte, a stray continuation byte, a sequence
// cut short, an overlong form, a surrogate, a value beyond U+10FFFF). Counting and converting run the
// same loop, so the count is always the number of units written.
int multiByteToWideChar(int codePage, const char* bytes, int length, char16_t* units, int capacity);

} // namespace vantolex
