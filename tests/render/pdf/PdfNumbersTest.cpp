#include <gtest/gtest.h>

#include "render/pdf/PdfNumbers.h"

namespace vantolex {
namespace {

TEST(PdfNumbers, DecimalsAreRoundedToThousandthsWithoutTrailingZeros)
{
    struct Row
    {
        double value;
        const char* text;
    };
    const Row rows[] = {
        { 0, "0" },
        { 12, "12" },
        { 0.5, "0.5" },
        { -3.125, "-3.125" },
        { 12.0004, "12" },
        { 12.0005, "12.001" },
        { -0.0004, "0" },
        { 0.05, "0.05" },
        { 1e7 + 0.25, "10000000.25" },
        { -283.4646, "-283.465" },
        { 0.12, "0.12" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string out = "x";
        pdf::appendDecimal(out, row.value);
        EXPECT_EQ(out, std::string("x") + row.text);
    }
}

TEST(PdfNumbers, TextStringsAndCodePointsAreUtf16BigEndianHex)
{
    std::string out;
    pdf::appendTextString(out, u"メモ.txt");
    EXPECT_EQ(out, "<FEFF30E130E2002E007400780074>");
    out.clear();
    pdf::appendUtf16Hex(out, U'\U00020BB7'); // 𠮷, beyond the BMP: a surrogate pair
    pdf::appendUtf16Hex(out, U'¥');
    EXPECT_EQ(out, "D842DFB700A5");
    out.clear();
    pdf::appendGlyphHex(out, 0xBEEF);
    pdf::appendInteger(out, -42);
    EXPECT_EQ(out, "BEEF-42");
}

} // namespace
} // namespace vantolex
