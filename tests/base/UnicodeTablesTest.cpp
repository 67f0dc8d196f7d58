#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/UnicodeTables.h"

namespace vantolex {
namespace {

struct UnitRange
{
    char16_t first;
    char16_t last;
};

struct RangeRow
{
    const char* name;
    std::vector<UnitRange> ranges;
};

std::string hex(char16_t unit)
{
    char text[8];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(unit));
    return text;
}

// Calls check(unit) for every unit of every range of every row, with the row and unit in the trace.
template <typename Check> void forEachUnit(const std::vector<RangeRow>& rows, Check check)
{
    for (const RangeRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const UnitRange& range : row.ranges) {
            for (char32_t code = range.first; code <= range.last; ++code) {
                const auto unit = static_cast<char16_t>(code);
                SCOPED_TRACE(hex(unit));
                check(unit);
            }
        }
    }
}

TEST(PrintableSet, HoldsAssignedCharactersOutsideControlFormatSurrogateAndPrivateUse)
{
    const std::vector<RangeRow> rows = {
        { "ASCII graphic characters and space", { { 0x0020, 0x007E } } },
        { "no-break space to not sign", { { 0x00A0, 0x00AC } } },
        { "line and paragraph separators", { { 0x2028, 0x2029 } } },
        { "ideographs of the first and last blocks", { { 0x3400, 0x4DB5 }, { 0x4E00, 0x9FCB } } },
        { "Hangul syllables", { { 0xAC00, 0xD7A3 } } },
        { "replacement character", { { 0xFFFD, 0xFFFD } } },
    };
    forEachUnit(rows, [](char16_t unit) { EXPECT_TRUE(isPrintable(unit)); });
}

TEST(PrintableSet, LacksControlsFormatsSurrogatesPrivateUseAndUnassigned)
{
    const std::vector<RangeRow> rows = {
        { "C0 controls", { { 0x0000, 0x001F } } },
        { "delete and C1 controls", { { 0x007F, 0x009F } } },
        { "soft hyphen (Cf)", { { 0x00AD, 0x00AD } } },
        { "zero width space (Cf)", { { 0x200B, 0x200B } } },
        { "byte order mark (Cf)", { { 0xFEFF, 0xFEFF } } },
        { "surrogates", { { 0xD800, 0xDFFF } } },
        { "private use", { { 0xE000, 0xF8FF } } },
        { "unassigned in 5.2", { { 0x0526, 0x0526 }, { 0x0840, 0x0840 }, { 0x9FCC, 0x9FCC }, { 0x03A2, 0x03A2 } } },
        { "ends of ideograph ranges", { { 0x4DB6, 0x4DB6 }, { 0xD7A4, 0xD7AF } } },
        { "noncharacters", { { 0xFFFE, 0xFFFF } } },
    };
    forEachUnit(rows, [](char16_t unit) { EXPECT_FALSE(isPrintable(unit)); });
}

TEST(DoubleWidthSet, HoldsPrintableWideFullAndAmbiguousCharacters)
{
    const std::vector<RangeRow> rows = {
        { "inverted exclamation and section sign", { { 0x00A1, 0x00A1 }, { 0x00A7, 0x00A7 } } },
        { "degree to acute accent", { { 0x00B0, 0x00B4 } } },
        { "combining marks", { { 0x0300, 0x036F } } },
        { "Greek capitals around the gap", { { 0x0391, 0x03A1 }, { 0x03A3, 0x03A9 } } },
        { "Cyrillic", { { 0x0410, 0x044F } } },
        { "Hangul jamo", { { 0x1100, 0x115F }, { 0x11A3, 0x11A7 }, { 0x11FA, 0x11FF } } },
        { "Hangul jamo extended B", { { 0xD7B0, 0xD7C6 }, { 0xD7CB, 0xD7FB } } },
        { "hyphen", { { 0x2010, 0x2010 } } },
        { "box drawing", { { 0x2500, 0x254B } } },
        { "CJK symbols", { { 0x3000, 0x303E } } },
        { "kana", { { 0x3041, 0x3096 }, { 0x3099, 0x30FF } } },
        { "CJK ideographs", { { 0x4E00, 0x9FCB } } },
        { "Hangul syllables", { { 0xAC00, 0xD7A3 } } },
        { "fullwidth forms", { { 0xFF01, 0xFF60 }, { 0xFFE0, 0xFFE6 } } },
        { "replacement character", { { 0xFFFD, 0xFFFD } } },
    };
    forEachUnit(rows, [](char16_t unit) { EXPECT_TRUE(isDoubleWidth(unit)); });
}

TEST(DoubleWidthSet, LacksNarrowHalfwidthUnprintableAndUnassigned)
{
    const std::vector<RangeRow> rows = {
        { "ASCII graphic characters and space", { { 0x0020, 0x007E } } },
        { "no-break space", { { 0x00A0, 0x00A0 } } },
        { "soft hyphen (ambiguous but Cf)", { { 0x00AD, 0x00AD } } },
        { "ideographic half fill space (neutral)", { { 0x303F, 0x303F } } },
        { "halfwidth katakana", { { 0xFF61, 0xFF9F } } },
        { "halfwidth Hangul", { { 0xFFA0, 0xFFDC } } },
        { "private use (ambiguous but Co)", { { 0xE000, 0xF8FF } } },
        { "surrogates", { { 0xD800, 0xDFFF } } },
        { "unassigned in 5.2", { { 0x0526, 0x0526 }, { 0x0840, 0x0840 }, { 0x9FCC, 0x9FCC }, { 0x03A2, 0x03A2 } } },
    };
    forEachUnit(rows, [](char16_t unit) { EXPECT_FALSE(isDoubleWidth(unit)); });
}

TEST(DoubleWidthSet, IsSubsetOfPrintableSet)
{
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const auto unit = static_cast<char16_t>(code);
        if (isDoubleWidth(unit) && !isPrintable(unit)) {
            ADD_FAILURE() << hex(unit) << " is double-width but not printable";
        }
    }
}

// The counts agree with independent derivations of the same rules from the 5.2 data (data/unicode-5.2).
TEST(UnicodeTables, HaveTheCrossCheckedPopulations)
{
    int printable = 0;
    int doubleWidth = 0;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        printable += isPrintable(static_cast<char16_t>(code)) ? 1 : 0;
        doubleWidth += isDoubleWidth(static_cast<char16_t>(code)) ? 1 : 0;
    }
    EXPECT_EQ(printable, 54265);
    EXPECT_EQ(doubleWidth, 42982);
}

TEST(UnicodeTables, StoreUnitCInBitCMod8OfByteCDiv8)
{
    // U+0020 is bit 0 of byte 4, U+007E bit 6 of byte 15, U+007F (clear) bit 7 of byte 15.
    EXPECT_EQ(PrintableSet[4] & 0x01, 0x01);
    EXPECT_EQ(PrintableSet[15] & 0x40, 0x40);
    EXPECT_EQ(PrintableSet[15] & 0x80, 0x00);
    // U+3000..U+3007 all double-width: byte 0x600 full; U+303F (clear) is bit 7 of byte 0x607.
    EXPECT_EQ(DoubleWidthSet[0x600], 0xFF);
    EXPECT_EQ(DoubleWidthSet[0x607] & 0x80, 0x00);
}

} // namespace
} // namespace vantolex
