// The EUC-JP and ISO-2022-JP transcoders on hand-made byte sequences, and their arithmetic and scanner.
#include <gtest/gtest.h>

#include <vector>

#include "input/DecodeHelpers.h"
#include "input/EncodingEUC.h"
#include "input/EncodingJIS.h"
#include "input/JisScanner.h"
#include "input/JisToShiftJis.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

constexpr int esc = 0x1B;

struct Row
{
    const char* name;
    std::string input;
    std::string expected; // Shift JIS bytes before the terminating 0
};

// Transcodes in a buffer with garbage spare bytes and checks the terminator.
std::string transcode(int (*transcoder)(unsigned char*, int), const std::string& input)
{
    TextBuffer buffer = bufferWithContent(input);
    const int length = transcoder(byteData(buffer), static_cast<int>(input.size()));
    const char* bytes = reinterpret_cast<const char*>(byteData(buffer));
    EXPECT_EQ(bytes[length], '\0');
    return std::string(bytes, static_cast<std::size_t>(length));
}

TEST(JisToShiftJis, StandardMappingAtTheCornersOfTheTable)
{
    const struct
    {
        int j1, j2, s1, s2;
    } rows[] = {
        { 0x21, 0x21, 0x81, 0x40 }, { 0x21, 0x5F, 0x81, 0x7E }, { 0x21, 0x60, 0x81, 0x80 }, { 0x21, 0x7E, 0x81, 0x9E },
        { 0x22, 0x21, 0x81, 0x9F }, { 0x22, 0x7E, 0x81, 0xFC }, { 0x24, 0x22, 0x82, 0xA0 }, { 0x30, 0x21, 0x88, 0x9F },
        { 0x5D, 0x7E, 0x9F, 0x9E }, { 0x5E, 0x7E, 0x9F, 0xFC }, { 0x5F, 0x21, 0xE0, 0x40 }, { 0x7E, 0x7E, 0xEF, 0xFC },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.j1 << ' ' << row.j2);
        const auto pair = jisToShiftJis(row.j1, row.j2);
        EXPECT_EQ(pair[0], row.s1);
        EXPECT_EQ(pair[1], row.s2);
    }
}

TEST(JisToShiftJis, EveryValidPairGivesADistinctShiftJisPair)
{
    std::vector<bool> seen(0x10000, false);
    for (int j1 = 0x21; j1 <= 0x7E; ++j1) {
        for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
            const auto pair = jisToShiftJis(j1, j2);
            const int code = pair[0] << 8 | pair[1];
            ASSERT_TRUE((pair[0] >= 0x81 && pair[0] <= 0x9F) || (pair[0] >= 0xE0 && pair[0] <= 0xEF)) << code;
            ASSERT_TRUE(pair[1] >= 0x40 && pair[1] <= 0xFC && pair[1] != 0x7F) << code;
            ASSERT_FALSE(seen[code]) << code;
            seen[code] = true;
        }
    }
}

TEST(JisToShiftJis, MalformedBytesFollowTheSameArithmetic)
{
    // Below 0x21 the row is negative (arithmetic shift); high first bytes wrap past 0xFF.
    EXPECT_EQ(jisToShiftJis(0x20, 0x21), (std::array<unsigned char, 2> { 0x80, 0x9F }));
    EXPECT_EQ(jisToShiftJis(0x00, 0x00), (std::array<unsigned char, 2> { 0x70, 0x7E }));
    EXPECT_EQ(jisToShiftJis(0x0F, 0x21), (std::array<unsigned char, 2> { 0x78, 0x40 }));
    EXPECT_EQ(jisToShiftJis(0x9F, 0x21), (std::array<unsigned char, 2> { 0x00, 0x40 }));
    EXPECT_EQ(jisToShiftJis(0xFF, 0xFF), (std::array<unsigned char, 2> { 0xF0, 0x1F }));
}

TEST(EucTranscoder, HandMadeSequences)
{
    const Row rows[] = {
        { "empty", "", "" },
        { "ASCII", "abc\r\n", "abc\r\n" },
        { "hiragana A", byteString({ 0xA4, 0xA2 }), byteString({ 0x82, 0xA0 }) },
        { "half-width katakana A", byteString({ 0x8E, 0xB1 }), byteString({ 0xB1 }) },
        { "final byte alone", byteString({ 0x41, 0xA4 }), byteString({ 0x41, 0xA4 }) },
        { "final single shift alone", byteString({ 0x8E }), byteString({ 0x8E }) },
        { "first kanji", byteString({ 0xB0, 0xA1 }), byteString({ 0x88, 0x9F }) },
        { "NEC row 13 circled one", byteString({ 0xAD, 0xA1 }), byteString({ 0x87, 0x40 }) },
        { "second byte not checked", byteString({ 0xA4, 0x41 }), byteString({ 0x82, 0xBF }) },
        { "JIS X 0212 is read as a pair and a byte", byteString({ 0x8F, 0xA1, 0xA1 }),
          byteString({ 0x78, 0x40, 0xA1 }) },
        { "0 byte ends the text", "a\0b"s, "a" },
        { "0 byte after a lead byte", byteString({ 0xA4, 0x00, 0xA4, 0xA2 }), byteString({ 0xA4 }) },
        { "mixed", byteString({ 0x41, 0xC6, 0xFC, 0x8E, 0xB1, 0x0A }), byteString({ 0x41, 0x93, 0xFA, 0xB1, 0x0A }) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(transcode(transcodeEucToShiftJis, row.input), row.expected);
    }
}

TEST(JisTranscoder, HandMadeSequences)
{
    const Row rows[] = {
        { "empty", "", "" },
        { "ASCII", "abc\n", "abc\n" },
        { "kanji then Roman", byteString({ esc, 0x24, 0x42, 0x24, 0x22, esc, 0x28, 0x42, 0x41 }),
          byteString({ 0x82, 0xA0, 0x41 }) },
        { "older kanji designation", byteString({ esc, 0x24, 0x40, 0x24, 0x22 }), byteString({ 0x82, 0xA0 }) },
        { "two pairs", byteString({ esc, 0x24, 0x42, 0x30, 0x21, 0x30, 0x22, esc, 0x28, 0x4A, 0x5C }),
          byteString({ 0x88, 0x9F, 0x88, 0xA0, 0x5C }) },
        { "kana", byteString({ esc, 0x28, 0x49, 0x31, 0x5F, esc, 0x28, 0x42, 0x31 }),
          byteString({ 0xB1, 0xDF, 0x31 }) },
        { "unrecognised escape", byteString({ esc, 'x', 'y', 'z' }), byteString({ esc, 'x', 'y', 'z' }) },
        { "other designation", byteString({ esc, 0x24, 0x28, 0x44, 0x41 }),
          byteString({ esc, 0x24, 0x28, 0x44, 0x41 }) },
        { "unrecognised escape ends kanji", byteString({ esc, 0x24, 0x42, esc, 'x', 0x24, 0x22 }),
          byteString({ esc, 'x', 0x24, 0x22 }) },
        { "lone kanji byte at the end", byteString({ esc, 0x24, 0x42, 0x30 }), byteString({ 0x30 }) },
        { "escape at the end", byteString({ 0x41, esc }), byteString({ 0x41, esc }) },
        { "escape and one byte at the end", byteString({ esc, 0x24 }), byteString({ esc, 0x24 }) },
        { "escape only between pairs", byteString({ esc, 0x24, 0x42, 0x30, esc, 0x28, 0x42 }),
          byteString({ 0x88, 0x99, 0x84, 0xC0 }) },
        { "shift out and in pass through", byteString({ 0x0E, 0x31, 0x0F }), byteString({ 0x0E, 0x31, 0x0F }) },
        { "consecutive designations", byteString({ esc, 0x28, 0x49, esc, 0x24, 0x42, 0x24, 0x22 }),
          byteString({ 0x82, 0xA0 }) },
        { "0 byte ends the text", byteString({ 0x41, 0x00, 0x42 }), byteString({ 0x41 }) },
        { "0 byte as second of a pair", byteString({ esc, 0x24, 0x42, 0x30, 0x00, 0x24, 0x22 }), byteString({ 0x30 }) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(transcode(transcodeJisToShiftJis, row.input), row.expected);
    }
}

TEST(JisScanner, ReportsModeAndCharacterOfEachStep)
{
    const std::string data = byteString(
        { 0x41, esc, 0x24, 0x42, 0x24, 0x22, 0x24, 0x24, esc, 0x28, 0x49, 0x31, esc, 0x28, 0x42, 0x42, 0x00 });
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    JisScanner scanner(bytes);
    const struct
    {
        JisScanner::Mode mode;
        int offset;
    } expected[] = {
        { JisScanner::Mode::Roman, 0 }, { JisScanner::Mode::Kanji, 4 },  { JisScanner::Mode::Kanji, 6 },
        { JisScanner::Mode::Kana, 11 }, { JisScanner::Mode::Roman, 15 },
    };
    for (const auto& step : expected) {
        ASSERT_TRUE(scanner.next());
        EXPECT_EQ(scanner.mode(), step.mode);
        EXPECT_EQ(scanner.character() - bytes, step.offset);
    }
    EXPECT_FALSE(scanner.next());
}

TEST(EncodingEUC, DecodesThroughShiftJis)
{
    EXPECT_EQ(decodeWith(EncodingEUC(), byteString({ 0xA4, 0xA2, 0x8E, 0xB1, 0x41, 0xA1, 0xC1 })),
              u"\u3042\uFF71A\uFF5E");
    // A final byte stays alone: as Shift JIS 0xA4 is a half-width katakana, 0x81 a lead byte without trail.
    EXPECT_EQ(decodeWith(EncodingEUC(), byteString({ 0x41, 0xA4 })), u"A\uFF64");
    EXPECT_EQ(decodeWith(EncodingEUC(), byteString({ 0x41, 0x81 })), u"A\u30FB");
}

TEST(EncodingJIS, DecodesThroughShiftJis)
{
    EXPECT_EQ(decodeWith(EncodingJIS(),
                         byteString({ esc, 0x24, 0x42, 0x24, 0x22, 0x21, 0x41, esc, 0x28, 0x49, 0x31, esc, 0x28, 0x42,
                                      0x41 })),
              u"\u3042\uFF5E\uFF71A");
}

} // namespace
} // namespace vantolex
