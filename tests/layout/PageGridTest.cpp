// The page grid: the resolution across the lines, margins, column gaps, header and footer space, and every
// warning with its trigger and its place in the order of the checks. The worked grids of the six modes are
// golden layout cases (tests/layout/golden/grid-*.case).
#include <gtest/gtest.h>

#include <string>

#include "layout/LayoutMessages.h"
#include "layout/PageGrid.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

namespace text = layoutText;

// Settings with nothing that the case does not ask for: one column, no gap, no spacing.
PrintSettings plain(int basis)
{
    PrintSettings settings;
    settings.fontSizeBasis = basis;
    settings.columns = 1;
    settings.columnSpacing = 0;
    settings.lineSpacing = 0;
    return settings;
}

const DeviceCaps a600 { 4800, 6600, 600, 600 };

TEST(PageGridHorizontal, CharactersPerLineUseTheResolutionAcrossTheLines)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.charsPerLine = 79;
    settings.lineSpacing = 1;
    const PageGrid grid = computePageGrid({ 4800, 6600, 600, 1200 }, settings, false, false);
    EXPECT_EQ(grid.halfCell, 60);
    EXPECT_EQ(grid.charHeight, 240); // (60 × 1200 / 600) × 2
    EXPECT_EQ(grid.lineGap, 60);
    EXPECT_EQ(grid.columnLines, 22); // 6660 / 300
    EXPECT_DOUBLE_EQ(grid.pointSize, 14.4); // 240 × 72 / 1200
}

TEST(PageGridHorizontal, TwoColumnsWithAnEightMillimetreGap)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.columns = 2;
    settings.columnSpacing = 8;
    settings.charsPerLine = 40;
    const PageGrid grid = computePageGrid(a600, settings, false, false);
    EXPECT_EQ(grid.columnGap, 188);
    EXPECT_EQ(grid.columnLength, 2306); // (4800 + 188) / 2 − 188
    EXPECT_EQ(grid.halfCell, 56); // 2306 / 41
}

TEST(PageGridHorizontal, MarginsMoveTheOriginAndShrinkTheArea)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.useMargins = true;
    settings.marginLeft = 20;
    settings.marginRight = 10;
    settings.marginTop = 15;
    settings.marginBottom = 25;
    const PageGrid grid = computePageGrid(a600, settings, false, false);
    EXPECT_EQ(grid.originX, 472); // 20 × 600 × 10 / 254
    EXPECT_EQ(grid.originY, 354); // 15 mm
    EXPECT_EQ(grid.areaWidth, 4800 - 472 - 236); // right 10 mm
    EXPECT_EQ(grid.areaHeight, 6600 - 354 - 590); // bottom 25 mm
    EXPECT_EQ(grid.pageWidth, 4800);
    EXPECT_EQ(grid.pageHeight, 6600);
}

TEST(PageGridHorizontal, HeaderAndFooterLinesTakeTheirSpaceAfterTheGrid)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.charsPerLine = 79;
    settings.lineSpacing = 1;
    const PageGrid header = computePageGrid(a600, settings, true, false);
    EXPECT_EQ(header.columnLines, 43);
    EXPECT_EQ(header.originY, 150);
    EXPECT_EQ(header.areaHeight, 6450);
    const PageGrid footer = computePageGrid(a600, settings, false, true);
    EXPECT_EQ(footer.columnLines, 43);
    EXPECT_EQ(footer.originY, 0);
    EXPECT_EQ(footer.areaHeight, 6450);
}

TEST(PageGridVertical, CharactersPerLineUseTheResolutionAcrossTheLines)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.vertical = true;
    settings.charsPerLine = 65;
    const PageGrid grid = computePageGrid({ 4800, 6600, 1200, 600 }, settings, false, false);
    EXPECT_EQ(grid.halfCell, 100); // 6600 / 66
    EXPECT_EQ(grid.charHeight, 400); // (100 × 1200 / 600) × 2
    EXPECT_EQ(grid.columnLines, 12); // 4800 / 400
    EXPECT_DOUBLE_EQ(grid.pointSize, 24.0); // 400 × 72 / 1200
}

TEST(PageGridVertical, MarginsKeepTheRightEdgeAsOrigin)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.vertical = true;
    settings.useMargins = true;
    settings.marginRight = 10;
    settings.marginLeft = 20;
    settings.marginTop = 15;
    settings.marginBottom = 25;
    const PageGrid grid = computePageGrid(a600, settings, false, false);
    EXPECT_EQ(grid.originX, 4800 - 236);
    EXPECT_EQ(grid.originY, 354);
    EXPECT_EQ(grid.areaWidth, 4800 - 236 - 472);
    EXPECT_EQ(grid.areaHeight, 6600 - 354 - 590);
}

TEST(PageGridVertical, OneLineWithHeaderIsAccepted)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.vertical = true;
    settings.charsPerLine = 10;
    // halfCell 6600 / 15 = 440 reserves 1760 pixels; 4840 / 11 = 440 again, so charHeight 880 > width 700.
    const PageGrid grid = computePageGrid({ 700, 6600, 600, 600 }, settings, true, false);
    EXPECT_EQ(grid.columnLines, 1);
}

TEST(PageGridHorizontal, OneLineWithHeaderIsRefused)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.charsPerLine = 79;
    settings.lineSpacing = 1;
    // (269 + 30) / 150 = 1 line; (270 + 30) / 150 = 2 lines.
    EXPECT_EQ(computePageGrid({ 4800, 269, 600, 600 }, settings, false, false).columnLines, 1);
    EXPECT_THROW_MESSAGE(computePageGrid({ 4800, 269, 600, 600 }, settings, true, false), Warning, text::noLineFits);
    EXPECT_THROW_MESSAGE(computePageGrid({ 4800, 269, 600, 600 }, settings, false, true), Warning, text::noLineFits);
    EXPECT_EQ(computePageGrid({ 4800, 270, 600, 600 }, settings, true, false).columnLines, 1);

    PrintSettings points = plain(FontSizeBasis::FontPoints);
    points.fontPoints = 10;
    EXPECT_THROW_MESSAGE(computePageGrid({ 4800, 165, 600, 600 }, points, true, false), Warning, text::noLineFits);
    EXPECT_EQ(computePageGrid({ 4800, 166, 600, 600 }, points, true, false).columnLines, 1);
}

TEST(PageGridHorizontal, NoLineAtAllStillGivesOneLine)
{
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.charsPerLine = 79;
    EXPECT_EQ(computePageGrid({ 4800, 100, 600, 600 }, settings, false, false).columnLines, 1);
}

struct WarningRow
{
    const char* name;
    DeviceCaps caps;
    void (*adjust)(PrintSettings&);
    bool header;
    std::u16string_view message;
};

TEST(PageGridWarnings, EachCheckHasItsMessage)
{
    const WarningRow rows[] = {
        { "zero width", { 0, 6600, 600, 600 }, [](PrintSettings&) {}, false, text::badPrinter },
        { "negative height", { 4800, -1, 600, 600 }, [](PrintSettings&) {}, false, text::badPrinter },
        { "zero dpi x", { 4800, 6600, 0, 600 }, [](PrintSettings&) {}, false, text::badPrinter },
        { "zero dpi y", { 4800, 6600, 600, 0 }, [](PrintSettings&) {}, false, text::badPrinter },
        { "absurd resolution",
          { 4800, 6600, maxDeviceValue + 1, 600 },
          [](PrintSettings&) {},
          false,
          text::badPrinter },
        { "margins take the width",
          { 2362, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.useMargins = true;
              s.marginLeft = s.marginRight = 50;
          },
          false,
          text::marginsTooLarge },
        { "vertical margins take the height",
          { 4800, 2362, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.useMargins = true;
              s.marginTop = s.marginBottom = 50;
          },
          false,
          text::marginsTooLarge },
        { "gaps take the width",
          { 1000, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.columns = 9;
              s.columnSpacing = 6; // 141 pixels each
          },
          false,
          text::tooManyColumns },
        { "vertical gaps take the height",
          { 4800, 1000, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.columns = 9;
              s.columnSpacing = 6;
          },
          false,
          text::tooManyColumns },
        { "characters too many",
          { 4800, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.charsPerLine = 999;
              s.columns = 9;
          },
          false,
          text::tooManyCharacters },
        { "vertical characters too many",
          { 4800, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.charsPerLine = 999;
              s.columns = 9;
          },
          false,
          text::tooManyCharacters },
        { "lines too many for the height",
          { 4800, 500, 600, 600 },
          [](PrintSettings& s) {
              s.fontSizeBasis = FontSizeBasis::LinesPerColumn;
              s.linesPerColumn = 999;
          },
          false,
          text::tooManyLines },
        { "lines too tall for a cell",
          { 100, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.fontSizeBasis = FontSizeBasis::LinesPerColumn;
              s.linesPerColumn = 10; // charHeight 660: 100 × 1200 / 396000 − 1 < 1
          },
          false,
          text::tooManyLines },
        { "vertical lines too many",
          { 500, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.fontSizeBasis = FontSizeBasis::LinesPerColumn;
              s.linesPerColumn = 999;
          },
          false,
          text::tooManyLines },
        { "vertical lines too tall",
          { 4800, 300, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.fontSizeBasis = FontSizeBasis::LinesPerColumn;
              s.linesPerColumn = 10; // charHeight 480: 300 × 1200 / 288000 − 1 < 1
          },
          false,
          text::tooManyLines },
        { "font too large",
          { 4800, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.fontSizeBasis = FontSizeBasis::FontPoints;
              s.fontPoints = 577; // 4800 × 144 / 346200 − 1 = 1 − 1
          },
          false,
          text::fontTooLarge },
        { "vertical font too large",
          { 4800, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.fontSizeBasis = FontSizeBasis::FontPoints;
              s.fontPoints = 999;
          },
          false,
          text::fontTooLarge },
        { "font below one pixel",
          { 4800, 6600, 600, 71 },
          [](PrintSettings& s) {
              s.fontSizeBasis = FontSizeBasis::FontPoints;
              s.fontPoints = 1;
          },
          false,
          text::fontTooSmall },
        { "vertical font below one pixel",
          { 4800, 6600, 71, 600 },
          [](PrintSettings& s) {
              s.vertical = true;
              s.fontSizeBasis = FontSizeBasis::FontPoints;
              s.fontPoints = 1;
          },
          false,
          text::fontTooSmall },
        { "nine digits in ten cells",
          { 4800, 6600, 600, 600 },
          [](PrintSettings& s) {
              s.charsPerLine = 10;
              s.lineNumberInterval = 1;
              s.lineNumberDigits = 9;
          },
          false,
          text::tooManyLineNumberDigits },
    };
    for (const WarningRow& row : rows) {
        SCOPED_TRACE(row.name);
        PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
        row.adjust(settings);
        ASSERT_TRUE(isValid(settings));
        EXPECT_THROW_MESSAGE(computePageGrid(row.caps, settings, row.header, false), Warning, row.message);
    }
}

TEST(PageGridWarnings, BoundariesJustInsideAreAccepted)
{
    PrintSettings margins = plain(FontSizeBasis::CharsPerLine);
    margins.charsPerLine = 1;
    margins.useMargins = true;
    margins.marginLeft = margins.marginRight = 50; // 1181 pixels each
    EXPECT_EQ(computePageGrid({ 2366, 6600, 600, 600 }, margins, false, false).areaWidth, 4);

    PrintSettings digits = plain(FontSizeBasis::CharsPerLine);
    digits.charsPerLine = 10;
    digits.lineNumberInterval = 1;
    digits.lineNumberDigits = 8;
    EXPECT_EQ(computePageGrid(a600, digits, false, false).cellsPerLine, 10);

    PrintSettings points = plain(FontSizeBasis::FontPoints);
    points.fontPoints = 1;
    EXPECT_EQ(computePageGrid({ 4800, 6600, 600, 72 }, points, false, false).charHeight, 1);
    points.fontPoints = 576;
    EXPECT_EQ(computePageGrid(a600, points, false, false).cellsPerLine, 1);
}

TEST(PageGridWarnings, FirstFailingCheckWins)
{
    // Unusable printer before margins.
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.useMargins = true;
    settings.marginLeft = settings.marginRight = 50;
    EXPECT_THROW_MESSAGE(computePageGrid({ 100, 100, 600, -1 }, settings, false, false), Warning, text::badPrinter);
    // Margins before columns.
    settings.columns = 9;
    settings.columnSpacing = 50;
    EXPECT_THROW_MESSAGE(computePageGrid({ 2000, 6600, 600, 600 }, settings, false, false), Warning,
                         text::marginsTooLarge);
    // Columns before characters.
    settings.useMargins = false;
    settings.charsPerLine = 999;
    EXPECT_THROW_MESSAGE(computePageGrid({ 2000, 6600, 600, 600 }, settings, false, false), Warning,
                         text::tooManyColumns);
    // Grid before line-number digits.
    settings.columns = 1;
    settings.columnSpacing = 0;
    settings.lineNumberInterval = 1;
    settings.lineNumberDigits = 9;
    settings.charsPerLine = 5;
    EXPECT_THROW_MESSAGE(computePageGrid({ 5, 6600, 600, 600 }, settings, false, false), Warning,
                         text::tooManyCharacters);
    // Font too large before the line count of a footer-only page.
    PrintSettings points = plain(FontSizeBasis::FontPoints);
    points.fontPoints = 999;
    EXPECT_THROW_MESSAGE(computePageGrid({ 4800, 10, 600, 600 }, points, false, true), Warning, text::fontTooLarge);
}

TEST(PageGridWarnings, HeaderAndFooterEachTakeALine)
{
    // Both lines present on a two-line grid: the footer leaves one line, the header none.
    PrintSettings settings = plain(FontSizeBasis::CharsPerLine);
    settings.charsPerLine = 79;
    EXPECT_EQ(computePageGrid({ 4800, 240, 600, 600 }, settings, false, true).columnLines, 1);
    EXPECT_THROW_MESSAGE(computePageGrid({ 4800, 240, 600, 600 }, settings, true, true), Warning, text::noLineFits);
}

} // namespace
} // namespace vantolex
