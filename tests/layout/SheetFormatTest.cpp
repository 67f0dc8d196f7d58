#include <gtest/gtest.h>

#include "layout/SheetFormat.h"

namespace vantolex {
namespace {

TEST(SheetFormat, PrintableAreaIsTheSheetWithinTheBorderInWholePixels)
{
    struct Row
    {
        const char* name;
        SheetFormat sheet;
        DeviceCaps expected;
    };
    const Row rows[] = {
        // 200 mm × 600 / 25.4 = 4724.4; 287 mm → 6779.5
        { "A4 600 dpi, 5 mm border", { 210, 297, 600, 600, 5 }, { 4724, 6779, 600, 600 } },
        { "A4 600 dpi, no border", { 210, 297, 600, 600, 0 }, { 4960, 7015, 600, 600 } },
        { "A4 300 × 600 dpi", { 210, 297, 300, 600, 5 }, { 2362, 6779, 300, 600 } },
        { "border eats the width", { 10, 297, 600, 600, 5 }, { 0, 6779, 600, 600 } },
        { "border larger than the sheet", { 10, 10, 600, 600, 6 }, { 0, 0, 600, 600 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sheetCapabilities(row.sheet), row.expected);
    }
}

TEST(SheetFormat, SheetAndBorderInPoints)
{
    const SheetFormat sheet { 210, 297, 600, 600, 5 };
    EXPECT_NEAR(sheetBorderPoints(sheet), 5 * 72 / 25.4, 1e-9);
    EXPECT_NEAR(sheetWidthPoints(sheet), 595.2756, 1e-4);
    EXPECT_NEAR(sheetHeightPoints(sheet), 841.8898, 1e-4);
}

TEST(SheetFormat, ImageHoldsTheWholeSheetWithTheBorderInWholePixels)
{
    const SheetFormat sheet { 210, 297, 100, 150, 5 };
    EXPECT_EQ(sheetWidthPixels(sheet), 827); // 826.77 rounded up
    EXPECT_EQ(sheetHeightPixels(sheet), 1754); // 1753.94 rounded up
    EXPECT_EQ(sheetBorderPixelsX(sheet), 20); // 19.69 rounded
    EXPECT_EQ(sheetBorderPixelsY(sheet), 30); // 29.53 rounded
}

} // namespace
} // namespace vantolex
