// Code page 932 in both directions, checked against the table's own facts and against glibc's CP932.
#include <gtest/gtest.h>

#include <string>

#include "input/CodePage932.h"
#include "input/IconvOracle.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result.push_back(static_cast<char>(value));
    return result;
}

bool isLeadByte(int byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(int byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

struct DecodeRow
{
    const char* name;
    std::string input;
    std::u16string expected;
};

TEST(CodePage932Decode, HandMadeSequences)
{
    const DecodeRow rows[] = {
        { "empty input", "", u"" },
        { "ASCII with a 0 byte inside", bytes({ 0x41, 0x00, 0x42 }), u"A\0B"s },
        { "backslash stays a backslash", "\\", u"\\" },
        { "tilde stays a tilde", "~", u"~" },
        { "half-width katakana A", bytes({ 0xB1 }), u"\uFF71" },
        { "single byte 0x80", bytes({ 0x80 }), u"\u0080" },
        { "single byte 0xA0", bytes({ 0xA0 }), u"\uF8F0" },
        { "single bytes 0xFD-0xFF", bytes({ 0xFD, 0xFE, 0xFF }), u"\uF8F1\uF8F2\uF8F3" },
        { "ideographic space", bytes({ 0x81, 0x40 }), u"\u3000" },
        { "last pair of the table", bytes({ 0xFC, 0x4B }), u"\u9ED1" },
        { "lead byte followed by a lead byte forms a pair", bytes({ 0x81, 0x81 }), u"\uFF1D" },
        { "unmapped pair in a mapped row", bytes({ 0x81, 0xAD, 0x41 }), u"\u30FBA" },
        { "pair of a row with only 0x40 mapped", bytes({ 0x85, 0x40 }), u"\u30FB" },
        { "other pair of that row", bytes({ 0x85, 0x41 }), u"\u30FB" },
        { "lead byte at the end", bytes({ 0x41, 0x82 }), u"A\u30FB" },
        { "lead byte before LF keeps the LF", bytes({ 0x82, 0x0A, 0x41 }), u"\u30FB\nA" },
        { "lead byte before 0x7F", bytes({ 0x82, 0x7F }), u"\u30FB\u007F" },
        { "lead byte before 0xFD", bytes({ 0x82, 0xFD }), u"\u30FB\uF8F1" },
        { "lead byte before a 0 byte", bytes({ 0x82, 0x00, 0x41 }), u"\u30FB\0A"s },
        { "first trail byte 0x40", bytes({ 0x82, 0x40 }), u"\u30FB" },
        { "hiragana A", bytes({ 0x82, 0xA0 }), u"\u3042" },
        { "trail byte 0x80", bytes({ 0x81, 0x80 }), u"\u00F7" },
        { "trail byte 0xFC", bytes({ 0x81, 0xFC }), u"\u25EF" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cp932::decode(row.input), row.expected);
    }
}

struct NamedCharacter
{
    const char* name;
    std::string code;
    char16_t unit;
};

// NEC and IBM extensions and the characters where code page 932 differs from JIS X 0208 mappings.
const NamedCharacter namedCharacters[] = {
    { "circled digit one (NEC row 13)", bytes({ 0x87, 0x40 }), u'\u2460' },
    { "parenthesized kabushiki (NEC row 13)", bytes({ 0x87, 0x8A }), u'\u3231' },
    { "n-ary summation (NEC row 13)", bytes({ 0x87, 0x94 }), u'\u2211' },
    { "ladder-shaped taka (IBM extension)", bytes({ 0xFB, 0xFC }), u'\u9AD9' },
    { "compatibility saki (IBM extension)", bytes({ 0xFA, 0xB1 }), u'\uFA11' },
    { "fullwidth tilde", bytes({ 0x81, 0x60 }), u'\uFF5E' },
    { "fullwidth hyphen-minus (JIS tables give U+2212)", bytes({ 0x81, 0x7C }), u'\uFF0D' },
    { "fullwidth not sign", bytes({ 0x81, 0xCA }), u'\uFFE2' },
    { "parallel to", bytes({ 0x81, 0x61 }), u'\u2225' },
};

TEST(CodePage932Decode, ExtensionsAndCharactersThatDifferFromJis)
{
    IconvOracle iconv("CP932");
    for (const auto& character : namedCharacters) {
        SCOPED_TRACE(character.name);
        EXPECT_EQ(cp932::decode(character.code), std::u16string(1, character.unit));
        EXPECT_EQ(iconv.convert(character.code), std::u16string(1, character.unit));
    }
}

TEST(CodePage932Decode, EveryPairAgreesWithIconvWhereIconvDecodesIt)
{
    IconvOracle iconv("CP932");
    int agreed = 0;
    int defaulted = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const std::string pair = bytes({ lead, trail });
            SCOPED_TRACE(testing::Message() << std::hex << "pair " << lead << ' ' << trail);
            const std::u16string ours = cp932::decode(pair);
            if (const auto theirs = iconv.convert(pair)) {
                EXPECT_EQ(ours, *theirs);
                ++agreed;
            } else {
                EXPECT_EQ(ours, u"\u30FB");
                ++defaulted;
            }
        }
    }
    // The README of data/cp932 counts 9604 pairs decoded by both tables and 1676 that iconv rejects.
    EXPECT_EQ(agreed, 9604);
    EXPECT_EQ(defaulted, 1676);
}

TEST(CodePage932Decode, SingleBytesAgreeWithIconvExceptTheFiveWindowsMapsAlone)
{
    IconvOracle iconv("CP932");
    for (int byte = 0; byte < 0x100; ++byte) {
        if (isLeadByte(byte))
            continue;
        SCOPED_TRACE(byte);
        const std::string single = bytes({ byte });
        const std::u16string ours = cp932::decode(single);
        ASSERT_EQ(ours.size(), 1u);
        switch (byte) {
        case 0x80:
            EXPECT_EQ(ours[0], u'\u0080');
            break;
        case 0xA0:
        case 0xFD:
        case 0xFE:
        case 0xFF:
            EXPECT_EQ(ours[0], byte == 0xA0 ? u'\uF8F0' : static_cast<char16_t>(0xF8F1 + byte - 0xFD));
            break;
        default:
            EXPECT_EQ(iconv.convert(single), ours);
        }
    }
}

TEST(CodePage932Encode, NamedCharactersGiveTheirCodes)
{
    for (const auto& character : namedCharacters) {
        SCOPED_TRACE(character.name);
        EXPECT_EQ(cp932::encode(std::u16string(1, character.unit)), character.code);
    }
    EXPECT_EQ(cp932::encode(u"A\u3042\uFF71\u30FB"), "A" + bytes({ 0x82, 0xA0, 0xB1, 0x81, 0x45 }));
    EXPECT_EQ(cp932::encode(u""), "");
    EXPECT_EQ(cp932::encode(u"\0"s), std::string(1, '\0'));
}

TEST(CodePage932Encode, FailsOnUnitsWithoutARoundTripMapping)
{
    const struct
    {
        const char* name;
        std::u16string text;
    } rows[] = {
        { "yen sign (best fit to a backslash)", u"\u00A5" },
        { "not sign (decodes back as U+FFE2)", u"\u00AC" },
        { "wave dash (JIS mapping, not this code page's)", u"\u301C" },
        { "double vertical line", u"\u2016" },
        { "overline", u"\u203E" },
        { "minus sign (best fit to 0x817C, which decodes as U+FF0D)", u"\u2212" },
        { "lone high surrogate", u"a\xD800" },
        { "lone low surrogate", u"\xDC00" },
        { "surrogate pair (outside the code page)", u"\U0001F600" },
        { "Hangul", u"\uAC00" },
        { "valid text before the failure", u"\u3042\u3042\u00A5" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cp932::encode(row.text), std::nullopt);
    }
}

TEST(CodePage932Encode, EveryEncodableUnitDecodesBackAndEveryMappedCodeIsReachable)
{
    int encodable = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const std::u16string text(1, static_cast<char16_t>(unit));
        if (const auto code = cp932::encode(text)) {
            ++encodable;
            ASSERT_EQ(cp932::decode(*code), text) << std::hex << unit;
        }
    }
    EXPECT_EQ(encodable, 9402); // the table's 9486 encodings less its 84 one-way ones

    // Every character that some pair decodes to can be written back (not necessarily as that pair).
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC && isLeadByte(lead); ++trail) {
            const std::u16string text = cp932::decode(bytes({ lead, trail }));
            if (isTrailByte(trail) && text != u"\u30FB") {
                ASSERT_TRUE(cp932::encode(text).has_value()) << std::hex << lead << ' ' << trail;
            }
        }
    }
}

} // namespace
} // namespace vantolex
