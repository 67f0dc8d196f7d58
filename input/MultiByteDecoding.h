// One decoding loop for the byte encodings, shared by counting and converting: a decoder struct per
// encoding reads one character from [position, end) and hands its units to a sink, which either counts them
// or writes them. Internal to the input folder.
#pragma once

#include <cstddef>

#include "input/CodePage932Table.h"

namespace vantolex::decoding {

// Counts units without writing them.
struct CountingSink
{
    std::size_t count = 0;
    void put(char16_t) { ++count; }
};

// Writes units to memory that has room for all of them.
struct WritingSink
{
    char16_t* out;
    void put(char16_t unit) { *out++ = unit; }
};

// Code page 932. Substitution rule: a lead byte followed by a trail byte is one pair, the table's unit for it
// (U+30FB when the table has none); a lead byte followed by anything else or by nothing gives U+30FB and the
// next byte is decoded on its own; any other byte is the table's single-byte unit.
struct Cp932Decoder
{
    template <typename Sink>
    static const unsigned char* next(const unsigned char* position, const unsigned char* end, Sink& sink)
    {
        const unsigned char byte = *position;
        const int row = cp932::table::leadRows[byte];
        if (row == 0) {
            sink.put(cp932::table::singleByteUnits[byte]);
            return position + 1;
        }
        if (end - position > 1 && cp932::table::isTrailByte(position[1])) {
            sink.put(cp932::table::doubleByteUnits[(row - 1) * cp932::table::trailCount + position[1]
                                                   - cp932::table::trailFirst]);
            return position + 2;
        }
        sink.put(cp932::table::defaultUnit);
        return position + 1;
    }
};

// UTF-8. Substitution rule: one U+FFFD for each maximal ill-formed part, that is a byte that cannot start a
// sequence, or the longest start of a well-formed sequence that the data breaks off (Unicode's recommended
// practice); decoding resumes at the first byte that does not belong to that part.
struct Utf8Decoder
{
    static constexpr char16_t replacement = 0xFFFD;

    static bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

    template <typename Sink>
    static const unsigned char* next(const unsigned char* position, const unsigned char* end, Sink& sink)
    {
        const unsigned lead = *position;
        if (lead < 0x80) {
            sink.put(static_cast<char16_t>(lead));
            return position + 1;
        }
        const std::ptrdiff_t available = end - position;
        // The common case of Japanese text first: a well-formed three-byte sequence. The value test stands for
        // the second byte's range (no overlong form, no surrogate); anything else takes the full path below.
        if (lead >= 0xE0 && lead <= 0xEF && available >= 3 && isContinuation(position[1])
            && isContinuation(position[2])) {
            const unsigned value = ((lead & 0x0F) << 12) | ((position[1] & 0x3Fu) << 6) | (position[2] & 0x3F);
            if (value >= 0x800 && (value < 0xD800 || value > 0xDFFF)) {
                sink.put(static_cast<char16_t>(value));
                return position + 3;
            }
        }
        if (lead < 0xC2 || lead > 0xF4) {
            sink.put(replacement);
            return position + 1;
        }
        if (lead < 0xE0) {
            if (available < 2 || !isContinuation(position[1])) {
                sink.put(replacement);
                return position + 1;
            }
            sink.put(static_cast<char16_t>(((lead & 0x1F) << 6) | (position[1] & 0x3F)));
            return position + 2;
        }
        // The second byte's range excludes overlong forms, surrogates and values beyond U+10FFFF.
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        if (available < 2 || position[1] < low || position[1] > high) {
            sink.put(replacement);
            return position + 1;
        }
        if (available < 3 || !isContinuation(position[2])) {
            sink.put(replacement);
            return position + 2;
        }
        if (lead < 0xF0) {
            sink.put(
                static_cast<char16_t>(((lead & 0x0F) << 12) | ((position[1] & 0x3Fu) << 6) | (position[2] & 0x3F)));
            return position + 3;
        }
        if (available < 4 || !isContinuation(position[3])) {
            sink.put(replacement);
            return position + 3;
        }
        const unsigned scalar = ((lead & 0x07) << 18) | ((position[1] & 0x3Fu) << 12) | ((position[2] & 0x3Fu) << 6)
            | (position[3] & 0x3F);
        sink.put(static_cast<char16_t>(0xD800 + ((scalar - 0x10000) >> 10)));
        sink.put(static_cast<char16_t>(0xDC00 + (scalar & 0x3FF)));
        return position + 4;
    }
};

template <typename Decoder, typename Sink>
void decodeAll(const unsigned char* position, const unsigned char* end, Sink& sink)
{
    while (position != end)
        position = Decoder::next(position, end, sink);
}

} // namespace vantolex::decoding
