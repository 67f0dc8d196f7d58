// The mapping data of Microsoft code page 932, generated into input/CodePage932Table.cpp by
// tools/GenerateCodePage932Table from data/cp932/bestfit932.txt. Only the code page 932 converter reads it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantolex::cp932::table {

inline constexpr int leadRowCount = 60; // lead bytes 0x81-0x9F and 0xE0-0xFC
inline constexpr int trailFirst = 0x40; // trail bytes are 0x40-0x7E and 0x80-0xFC
inline constexpr int trailLast = 0xFC;
inline constexpr int trailCount = trailLast - trailFirst + 1;

inline constexpr bool isTrailByte(unsigned char byte)
{
    return byte >= trailFirst && byte <= trailLast && byte != 0x7F;
}

// The code page's Unicode default character, given for every byte sequence that has no mapping.
extern const char16_t defaultUnit;

// Unit of each single byte; a lead byte holds defaultUnit (it stands for itself only when no trail follows).
extern const char16_t singleByteUnits[256];

// 0 for a byte that is no lead byte, otherwise its row in doubleByteUnits plus one.
extern const std::uint8_t leadRows[256];

// Unit of each lead and trail pair at [(row) * trailCount + trail - trailFirst]; defaultUnit when the
// table maps the pair to nothing (and at the place of 0x7F, which is no trail byte).
extern const char16_t doubleByteUnits[leadRowCount * trailCount];

// One Unicode to code page 932 mapping that decodes back to the same unit. A code below 0x100 is one byte,
// otherwise lead byte (high) and trail byte (low).
struct EncodeEntry
{
    char16_t unit;
    std::uint16_t code;
};

// Sorted by unit, one entry per unit.
extern const EncodeEntry encodeEntries[];
extern const std::size_t encodeEntryCount;

} // namespace vantolex::cp932::table
