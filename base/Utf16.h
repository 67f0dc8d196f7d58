// UTF-16 text helpers shared by every folder: conversion to and from UTF-8 at the program's edges, and the
// white-space test.
//
// After decoding, all text in the program is UTF-16 (std::u16string). UTF-8 appears only where text leaves
// or enters the program through byte-oriented interfaces: standard output, file names, Cairo.
#pragma once

#include <string>
#include <string_view>

namespace vantolex {

// UTF-8 of `text`. A lone surrogate becomes U+FFFD; nothing is dropped.
std::string toUtf8(std::u16string_view text);

// UTF-16 of `text`. Each invalid or incomplete UTF-8 sequence becomes one U+FFFD.
std::u16string fromUtf8(std::string_view text);

// Unicode white space (the White_Space property): TAB, LF, VT, FF, CR, SPACE, NEL, NO-BREAK SPACE,
// OGHAM SPACE MARK, MONGOLIAN VOWEL SEPARATOR, the spaces U+2000 to U+200A, LINE and PARAGRAPH SEPARATOR,
// NARROW NO-BREAK SPACE, MEDIUM MATHEMATICAL SPACE and IDEOGRAPHIC SPACE (U+3000).
bool isWhiteSpace(char16_t unit);

// "U+1F600 😀": the code point in hexadecimal, four digits at least, then the character itself unless it is a
// control character.
std::u16string codePointName(char32_t codePoint);

// `text` without white space (isWhiteSpace) at either end.
std::u16string_view trimWhiteSpace(std::u16string_view text);

} // namespace vantolex
