// The decoder classes: index table, UTF-16 with its byte-order-mark rules, the multi-byte path, the buffer
// contract.
#include <gtest/gtest.h>

#include "input/DecodeHelpers.h"
#include "input/EncodingEUC.h"
#include "input/EncodingIndex.h"
#include "input/EncodingJIS.h"
#include "input/EncodingUTF16.h"
#include "support/ExpectThrowMessage.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

TEST(EncodingIndex, NamesInComboBoxOrder)
{
    const std::u16string_view expected[]
        = { u"Shift JIS", u"Unicode", u"Unicode (big endian)", u"UTF-8", u"ISO-2022 JP", u"EUC JP" };
    ASSERT_EQ(encodingNames.size(), 6u);
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(encodingNames[index], expected[index]) << index;
}

TEST(EncodingIndex, CreatesTheDecoderOfEachIndexAndNoneOutsideTheRange)
{
    EXPECT_NE(dynamic_cast<EncodingSJIS*>(createEncoding(0).get()), nullptr);
    const auto little = createEncoding(1);
    ASSERT_NE(dynamic_cast<EncodingUTF16*>(little.get()), nullptr);
    EXPECT_TRUE(dynamic_cast<EncodingUTF16&>(*little).littleEndian());
    const auto big = createEncoding(2);
    ASSERT_NE(dynamic_cast<EncodingUTF16*>(big.get()), nullptr);
    EXPECT_FALSE(dynamic_cast<EncodingUTF16&>(*big).littleEndian());
    const auto utf8 = createEncoding(3);
    ASSERT_NE(dynamic_cast<EncodingUTF8*>(utf8.get()), nullptr);
    EXPECT_EQ(dynamic_cast<EncodingMultiByte&>(*utf8).codePage(), 65001);
    const auto jis = createEncoding(4);
    ASSERT_NE(dynamic_cast<EncodingJIS*>(jis.get()), nullptr);
    EXPECT_EQ(dynamic_cast<EncodingMultiByte&>(*jis).codePage(), 0);
    const auto euc = createEncoding(5);
    ASSERT_NE(dynamic_cast<EncodingEUC*>(euc.get()), nullptr);
    EXPECT_EQ(dynamic_cast<EncodingMultiByte&>(*euc).codePage(), 0);
    EXPECT_EQ(dynamic_cast<EncodingMultiByte&>(*createEncoding(0)).codePage(), 0);
    EXPECT_EQ(createEncoding(-1), nullptr);
    EXPECT_EQ(createEncoding(6), nullptr);
}

struct Row
{
    const char* name;
    std::string input;
    std::u16string expected;
};

TEST(EncodingUTF16, LittleEndianAndByteOrderMarks)
{
    const EncodingUTF16 little(true);
    const Row rows[] = {
        { "empty", "", u"" },
        { "one unit", "A\0"s, u"A" },
        { "hiragana", byteString({ 0x42, 0x30, 0x44, 0x30 }), u"\u3042\u3044" },
        { "little-endian mark stays", byteString({ 0xFF, 0xFE, 0x41, 0x00 }), u"\uFEFFA" },
        { "big-endian mark switches to big endian", byteString({ 0xFE, 0xFF, 0x00, 0x41 }), u"\uFEFFA" },
        { "big-endian mark only counts at the start", byteString({ 0x41, 0x00, 0xFE, 0xFF }), u"A\uFFFE" },
        { "surrogate pair", byteString({ 0x3D, 0xD8, 0x00, 0xDE }), u"\U0001F600" },
        { "lone surrogate passes", byteString({ 0x00, 0xD8, 0x41, 0x00 }),
          u"\xD800"
          u"A" },
        { "0 unit ends the text", byteString({ 0x41, 0, 0, 0, 0x42, 0 }), u"A" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeWith(little, row.input), row.expected);
    }
}

TEST(EncodingUTF16, BigEndianAndByteOrderMarks)
{
    const EncodingUTF16 big(false);
    const Row rows[] = {
        { "empty", "", u"" },
        { "one unit", "\0A"s, u"A" },
        { "big-endian mark stays", byteString({ 0xFE, 0xFF, 0x00, 0x41 }), u"\uFEFFA" },
        { "little-endian mark is not recognised", byteString({ 0xFF, 0xFE, 0x41, 0x00 }), u"\uFFFE\u4100" },
        { "kanji", byteString({ 0x65, 0xE5, 0x67, 0x2C }), u"日本" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeWith(big, row.input), row.expected);
    }
}

TEST(EncodingUTF16, OddLengthFails)
{
    for (const bool littleEndian : { true, false }) {
        SCOPED_TRACE(littleEndian);
        const EncodingUTF16 encoding(littleEndian);
        EXPECT_THROW_MESSAGE(decodeWith(encoding, "A"), Error, u"入力データがUTF-16ではない。");
        EXPECT_THROW_MESSAGE(decodeWith(encoding, "A\0B"s), Error, u"入力データがUTF-16ではない。");
    }
}

TEST(EncodingUTF16, DecodesInPlace)
{
    TextBuffer buffer = bufferWithContent(byteString({ 0x30, 0x42, 0x00, 0x41 }));
    const char16_t* before = buffer.get();
    EncodingUTF16(false).decode(buffer, 4);
    EXPECT_EQ(buffer.get(), before);
    EXPECT_EQ(std::u16string(buffer.get(), 3), u"\u3042A\0"s);
}

TEST(EncodingMultiByte, ReplacesTheBufferWithUnitsEndingInZero)
{
    TextBuffer buffer = bufferWithContent("\x82\xA0"
                                          "A");
    const char16_t* before = buffer.get();
    EncodingSJIS().decode(buffer, 3);
    EXPECT_NE(buffer.get(), before);
    EXPECT_EQ(std::u16string(buffer.get(), 3), u"\u3042A\0"s);
}

TEST(EncodingMultiByte, EmptyContentIsEmptyTextUnderEveryEncoding)
{
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(decodeWith(*createEncoding(index), ""), u"");
    }
}

TEST(EncodingMultiByte, ZeroByteBecomesAZeroUnitThatEndsTheText)
{
    TextBuffer buffer = bufferWithContent("A\0B"s);
    EncodingUTF8().decode(buffer, 3);
    EXPECT_EQ(std::u16string(buffer.get(), 4), u"A\0B\0"s);
    buffer = bufferWithContent("A\0B"s);
    EncodingSJIS().decode(buffer, 3);
    EXPECT_EQ(std::u16string(buffer.get(), 4), u"A\0B\0"s);
}

TEST(EncodingMultiByte, Utf8MarkDecodesToFeffAndBadBytesAreReplaced)
{
    EXPECT_EQ(decodeWith(EncodingUTF8(),
                         "\xEF\xBB\xBF"
                         "a\xFF"
                         "b"),
              u"\uFEFFa\uFFFDb");
    EXPECT_EQ(decodeWith(EncodingSJIS(), "a\x82"), u"a\u30FB");
}

} // namespace
} // namespace vantolex
