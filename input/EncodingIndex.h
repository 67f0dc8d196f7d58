// The six encodings by their index in every encoding combo box, with their display names and decoders.
#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "input/Encoding.h"
#include "input/InputMessages.h"

namespace vantolex {

// 0 Shift JIS, 1 Unicode (little endian), 2 Unicode (big endian), 3 UTF-8, 4 ISO-2022-JP, 5 EUC-JP. Any
// other value names no encoding.
using EncodingIndex = int;

inline constexpr int encodingCount = 6;

inline constexpr std::array<std::u16string_view, encodingCount> encodingNames = {
    inputText::encodingShiftJis, inputText::encodingUnicode,   inputText::encodingUnicodeBigEndian,
    inputText::encodingUtf8,     inputText::encodingIso2022Jp, inputText::encodingEucJp,
};

// The short names of the encodings, by EncodingIndex, as command lines and job options name them.
inline constexpr std::array<std::string_view, encodingCount> encodingShortNames
    = { "sjis", "utf16le", "utf16be", "utf8", "jis", "euc" };

// The decoder of `index`, or none when the index names no encoding.
std::unique_ptr<Encoding> createEncoding(EncodingIndex index);

} // namespace vantolex
