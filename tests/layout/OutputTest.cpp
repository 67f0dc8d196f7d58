// The output engine: placement of characters, wrapping and cutting, line numbers, tab stops, unprintable
// characters, the lazy move to the next column and page, and both ends of a print range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "layout/LayoutMessages.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using test::Grid;
using test::OutputDirectProbe;
using test::OutputKeeping;
using Texts = std::vector<std::string>;

// A buffered output that owns its device.
class OutputOwning : public OutputBuffered
{
public:
    OutputOwning(std::unique_ptr<Device> device, const PrintSettings& settings)
        : OutputBuffered(std::move(device), settings, u"owned", systemClock())
    {
    }
    void finish() override { }
    void abort() override { }
};

Texts placeLines(Grid& grid, const std::vector<std::u16string>& lines)
{
    OutputKeeping output(grid.device, grid.settings);
    int number = 0;
    for (const std::u16string& line : lines)
        output.putLine(++number, line);
    return output.allTexts();
}

TEST(OutputWrapping, FullLineStaysOneDisplayLineAndOneMoreCharacterWraps)
{
    Grid grid(10, 20);
    EXPECT_EQ(placeLines(grid, { u"0123456789" }), (Texts { "0123456789" }));
    EXPECT_EQ(placeLines(grid, { u"0123456789a" }), (Texts { "0123456789", "a" }));
}

TEST(OutputWrapping, DoubleWidthCharacterInLastCellOverhangsAndIndentsContinuation)
{
    Grid grid(10, 20);
    EXPECT_EQ(placeLines(grid, { u"123456789漢x" }), (Texts { "123456789漢", " x" }));
    // Without an overhang the continuation starts at the left edge.
    EXPECT_EQ(placeLines(grid, { u"12345678漢x" }), (Texts { "12345678漢", "x" }));
}

TEST(OutputWrapping, LongLineWrapsRepeatedly)
{
    Grid grid(4, 20);
    EXPECT_EQ(placeLines(grid, { u"abcdefghij" }), (Texts { "abcd", "efgh", "ij" }));
    EXPECT_EQ(placeLines(grid, { u"漢字漢字漢字" }), (Texts { "漢字", "漢字", "漢字" }));
}

TEST(OutputWrapping, EmptySourceLineTakesOneDisplayLine)
{
    Grid grid(10, 20);
    EXPECT_EQ(placeLines(grid, { u"", u"a", u"" }), (Texts { "", "a", "" }));
}

TEST(OutputWrapping, CutLineDropsTheRestAndNextLineStartsFresh)
{
    Grid grid(5, 20);
    grid.settings.wrapLines = false;
    EXPECT_EQ(placeLines(grid, { u"abcdefgh", u"xy", u"1234漢z" }), (Texts { "abcde", "xy", "1234漢" }));
}

TEST(OutputWrapping, CutLineStillCountsForTheLineRange)
{
    Grid grid(5, 20);
    grid.settings.wrapLines = false;
    grid.settings.endCondition = EndCondition::ToLine;
    grid.settings.endValue = 2;
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(1, u"abcdefgh");
    EXPECT_THROW(output.putLine(2, u"ijklmnop"), NotifyEndOutput);
    EXPECT_EQ(output.allTexts(), (Texts { "abcde", "ijklm" }));
}

TEST(OutputLineNumbers, FieldPrecedesTextAndContinuationsStartUnderTheText)
{
    Grid grid(10, 20);
    grid.settings.lineNumberInterval = 1;
    grid.settings.lineNumberDigits = 4;
    EXPECT_EQ(placeLines(grid, { u"abcdefg" }), (Texts { "   1:abcde", "     fg" }));
    // After an overhang the continuation is indented one cell more.
    EXPECT_EQ(placeLines(grid, { u"abcd漢x" }), (Texts { "   1:abcd漢", "      x" }));
}

TEST(OutputLineNumbers, IntervalNumbersLineOneAndMultiplesAndBlanksTheRest)
{
    Grid grid(10, 20);
    grid.settings.lineNumberInterval = 5;
    grid.settings.lineNumberDigits = 2;
    OutputKeeping output(grid.device, grid.settings);
    for (int number : { 1, 2, 4, 5, 6, 10, 15, 16 })
        output.putLine(number, u"x");
    EXPECT_EQ(output.allTexts(), (Texts { " 1:x", "   x", "   x", " 5:x", "   x", "10:x", "15:x", "   x" }));
}

TEST(OutputLineNumbers, LongNumberLosesItsLeadingDigits)
{
    Grid grid(10, 20);
    grid.settings.lineNumberInterval = 1;
    grid.settings.lineNumberDigits = 3;
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(12345, u"x");
    output.putLine(999, u"y");
    output.putLine(1000, u"z");
    EXPECT_EQ(output.allTexts(), (Texts { "345:x", "999:y", "000:z" }));
}

TEST(OutputLineNumbers, EmptyLineKeepsItsField)
{
    Grid grid(10, 20);
    grid.settings.lineNumberInterval = 10;
    grid.settings.lineNumberDigits = 1;
    EXPECT_EQ(placeLines(grid, { u"", u"" }), (Texts { "1:", "  " }));
}

TEST(OutputTabs, ExpandToTheNextStopOfTheSourceText)
{
    Grid grid(20, 20);
    EXPECT_EQ(placeLines(grid, { u"ab\tc" }), (Texts { "ab      c" }));
    EXPECT_EQ(placeLines(grid, { u"abcdefgh\tX" }), (Texts { "abcdefgh        X" }));
    EXPECT_EQ(placeLines(grid, { u"\tX" }), (Texts { "        X" }));
    // A double-width character counts two cells towards the stop.
    EXPECT_EQ(placeLines(grid, { u"漢\tc" }), (Texts { "漢      c" }));
}

TEST(OutputTabs, StopsIgnoreTheLineNumberField)
{
    Grid grid(20, 20);
    grid.settings.lineNumberInterval = 1;
    grid.settings.lineNumberDigits = 4;
    EXPECT_EQ(placeLines(grid, { u"ab\tc" }), (Texts { "   1:ab      c" }));
}

TEST(OutputTabs, TabSpacesWrapLikeCharactersAndStopsFollowTheSourceText)
{
    Grid grid(10, 20);
    grid.settings.tabWidth = 4;
    // Cells 0-8 hold text, the tab's three spaces run to source cell 12, the continuation keeps counting.
    EXPECT_EQ(placeLines(grid, { u"abcdefghi\tj\tk" }), (Texts { "abcdefghi ", "  j   k" }));
}

TEST(OutputUnprintable, FixedPitchShowsEachUnprintableUnitAsMiddleDot)
{
    Grid grid(20, 20);
    const std::u16string text = { u'a', u'\u0001', u'\u007f', u'\u00ad', u'\ufeff', u'\ue000', u'\u000c', u'b' };
    EXPECT_EQ(placeLines(grid, { text }), (Texts { "a･･････b" }));
    // Each half of a surrogate pair is one unprintable unit.
    EXPECT_EQ(placeLines(grid, { u"𠀋" }), (Texts { "･･" }));
}

TEST(OutputUnprintable, ZeroUnitInsideTheTextIsPlacedNotAnEnd)
{
    Grid grid(20, 20);
    const std::u16string text(u"a\0b", 3);
    EXPECT_EQ(placeLines(grid, { text }), (Texts { "a･b" }));
}

TEST(OutputProportional, MeasuresTheLineAndWrapsWhenTheColumnLengthIsReached)
{
    Grid grid(10, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    // Every unit 100 pixels, "W" 300: the column is 1100 pixels long.
    grid.device.setMeasure([](const FontDescription&, std::u16string_view text) {
        int width = 0;
        for (char16_t unit : text)
            width += unit == u'W' ? 300 : 100;
        return width;
    });
    EXPECT_EQ(placeLines(grid, { u"abcdefghij" }), (Texts { "abcdefghij" }));
    EXPECT_EQ(placeLines(grid, { u"abcdefghijk" }), (Texts { "abcdefghij", "k" }));
    EXPECT_EQ(placeLines(grid, { u"WWWbW" }), (Texts { "WWWb", "W" }));
}

TEST(OutputProportional, TabIsOneSpaceAndControlsPassUnchanged)
{
    Grid grid(20, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    const std::u16string text = { u'a', u'\t', u'b', u'\u0001', u'\u000c' };
    EXPECT_EQ(placeLines(grid, { text }),
              (Texts { toUtf8(std::u16string { u'a', u' ', u'b', u'\u0001', u'\u000c' }) }));
}

TEST(OutputProportional, ContinuationIsIndentedOnlyByTheLineNumberField)
{
    Grid grid(10, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    grid.settings.lineNumberInterval = 1;
    grid.settings.lineNumberDigits = 2;
    grid.device.setMeasure(
        [](const FontDescription&, std::u16string_view text) { return static_cast<int>(text.size()) * 100; });
    // The field takes three units, then seven more fit below 1100 pixels.
    EXPECT_EQ(placeLines(grid, { u"abcdefgh漢" }), (Texts { " 1:abcdefg", "   h漢" }));
}

TEST(OutputProportional, MeasuresWithTheLayoutFont)
{
    Grid grid(10, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(1, u"a");
    const auto created = grid.device.callsOf(RecordedCall::Kind::CreateFont);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].font.height, -200);
    const auto measured = grid.device.callsOf(RecordedCall::Kind::TextExtent);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].text, u"a");
}

TEST(OutputProportional, DeviceWithoutTheFontRefusesTheOutput)
{
    Grid grid(10, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    grid.device.refuseFonts(true);
    EXPECT_THROW_MESSAGE(OutputKeeping output(grid.device, grid.settings), Error, layoutText::measuringFontFailed);
}

TEST(OutputNarrowGrid, OverhangIndentGivesWayWhereADoubleWidthCharacterWouldLeaveTheColumn)
{
    Grid oneCell(1, 20);
    EXPECT_EQ(placeLines(oneCell, { u"漢字a" }), (Texts { "漢", "字", " a" }));
    EXPECT_EQ(placeLines(oneCell, { u"漢a" }), (Texts { "漢", " a" }));

    Grid numbered(3, 20);
    numbered.settings.lineNumberInterval = 1;
    numbered.settings.lineNumberDigits = 1;
    EXPECT_EQ(placeLines(numbered, { u"漢字b" }), (Texts { "1:漢", "  字", "   b" }));
}

TEST(OutputAdvance, LinesFillColumnsThenPages)
{
    Grid grid(10, 2, 2);
    OutputKeeping output(grid.device, grid.settings);
    for (int number = 1; number <= 5; ++number)
        output.putLine(number, u"x");
    const PageStore& store = *output.pageStore();
    std::vector<std::pair<int, int>> positions;
    for (const LineRecord& line : store.lines())
        positions.emplace_back(line.column, line.lineInColumn);
    EXPECT_EQ(positions, (std::vector<std::pair<int, int>> { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 1, 1 }, { 0, 0 } }));
    EXPECT_EQ(store.pageStarts(), (std::vector<int> { 0, 4 }));
    EXPECT_EQ(output.page(), 2);
}

TEST(OutputAdvance, ContinuationLinesMoveOnToTheNextColumn)
{
    Grid grid(3, 2, 2);
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(1, u"abcdefghi");
    const PageStore& store = *output.pageStore();
    ASSERT_EQ(store.lineCount(), 3);
    EXPECT_EQ(store.lines().back(), (LineRecord { 1, 0, u"ghi" }));
}

TEST(OutputAdvance, ExactlyFilledPageLeavesNoEmptyPage)
{
    Grid grid(10, 2, 2);
    OutputKeeping output(grid.device, grid.settings);
    for (int number = 1; number <= 4; ++number)
        output.putLine(number, u"x");
    output.finish();
    EXPECT_EQ(output.pageStore()->pageStarts(), (std::vector<int> { 0, 4 }));
    EXPECT_EQ(output.layout().totalPages, 1);
    EXPECT_EQ(output.page(), 1);
    EXPECT_EQ(output.lineInColumn(), 2); // full, but the move waits for the next line
}

TEST(OutputAdvance, BreakIntoAFullColumnMovesOnOnlyOnce)
{
    Grid grid(10, 2, 2);
    OutputKeeping output(grid.device, grid.settings);
    for (int number = 1; number <= 4; ++number)
        output.putLine(number, u"x");
    output.newPage();
    output.putLine(5, u"y");
    output.finish();
    EXPECT_EQ(output.pageStore()->pageStarts(), (std::vector<int> { 0, 4, 5 }));
    EXPECT_EQ(output.pageTexts(1), (Texts { "y" }));

    Grid columns(10, 2, 2);
    OutputKeeping second(columns.device, columns.settings);
    for (int number = 1; number <= 2; ++number)
        second.putLine(number, u"x");
    second.breakColumn(); // column 0 is full: the break itself is the move
    second.putLine(3, u"y");
    EXPECT_EQ(second.pageStore()->lines().back().column, 1);
    EXPECT_EQ(second.pageStore()->lines().back().lineInColumn, 0);
}

TEST(OutputAdvance, BreaksAsFirstItemLeaveColumnOrPageEmpty)
{
    Grid grid(10, 2, 2);
    OutputKeeping columnFirst(grid.device, grid.settings);
    columnFirst.breakColumn();
    columnFirst.putLine(1, u"a");
    EXPECT_EQ(columnFirst.pageStore()->lines().front().column, 1);
    EXPECT_EQ(columnFirst.pageStore()->pageStarts(), (std::vector<int> { 0 }));

    OutputKeeping pageFirst(grid.device, grid.settings);
    pageFirst.newPage();
    pageFirst.putLine(1, u"a");
    pageFirst.finish();
    EXPECT_EQ(pageFirst.pageStore()->pageStarts(), (std::vector<int> { 0, 0, 1 }));
    EXPECT_EQ(pageFirst.layout().totalPages, 2);
}

TEST(OutputRange, LineCountEndsAfterTheLastLineOfTheRange)
{
    Grid grid(10, 20);
    grid.settings.startLine = 10;
    grid.settings.endCondition = EndCondition::LineCount;
    grid.settings.endValue = 3;
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(11, u"eleven");
    output.putLine(12, u"twelve");
    EXPECT_THROW(output.putLine(13, u"thirteen is long"), NotifyEndOutput);
    // The last line is emitted whole, continuation lines included, before the end.
    EXPECT_EQ(output.allTexts(), (Texts { "eleven", "twelve", "thirteen i", "s long" }));
}

TEST(OutputRange, PageLimitEndsWhenTheNextPageWouldStart)
{
    Grid grid(10, 2);
    grid.settings.endCondition = EndCondition::PageCount;
    grid.settings.endValue = 2;
    OutputKeeping output(grid.device, grid.settings);
    for (int number = 1; number <= 4; ++number)
        output.putLine(number, u"x");
    EXPECT_THROW(output.putLine(5, u"opens page 3"), NotifyEndOutput);
    output.finish();
    EXPECT_EQ(output.pageStore()->lineCount(), 4);
    EXPECT_EQ(output.pageStore()->pageStarts(), (std::vector<int> { 0, 2, 4 }));
    EXPECT_EQ(output.layout().totalPages, 2);
}

TEST(OutputRange, PageLimitAlsoEndsAtAPageBreakItem)
{
    Grid grid(10, 2);
    grid.settings.endCondition = EndCondition::PageCount;
    grid.settings.endValue = 1;
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(1, u"x");
    EXPECT_THROW(output.newPage(), NotifyEndOutput);
    EXPECT_EQ(output.page(), 1);
}

TEST(OutputRange, PageLimitEndsInsideAWrappedLine)
{
    Grid grid(3, 2);
    grid.settings.endCondition = EndCondition::PageCount;
    grid.settings.endValue = 1;
    OutputKeeping output(grid.device, grid.settings);
    EXPECT_THROW(output.putLine(1, u"abcdefghi"), NotifyEndOutput);
    EXPECT_EQ(output.allTexts(), (Texts { "abc", "def" }));
}

TEST(OutputConstruction, LayoutWarningEndsTheConstruction)
{
    Grid grid(10, 2);
    grid.settings.fontDescriptor.reset();
    EXPECT_THROW_MESSAGE(OutputKeeping output(grid.device, grid.settings), Warning, layoutText::noPrintFont);
}

TEST(OutputConstruction, OwnedDeviceServesTheLayoutAndTheMeasuringFont)
{
    Grid grid(10, 2);
    grid.settings.proportional = true;
    auto owned = std::make_unique<RecordingDevice>(DeviceCaps { 2200, 400, 600, 600 }, RecordingMeasure::FixedPitch);
    RecordingDevice& device = *owned;
    OutputOwning output(std::move(owned), grid.settings);
    EXPECT_EQ(output.layout().cellsPerLine, 10);
    EXPECT_EQ(output.layout().halfCell, 200);
    output.putLine(1, u"ab");
    EXPECT_EQ(device.callsOf(RecordedCall::Kind::CreateFont).size(), 1u);
    EXPECT_EQ(device.callsOf(RecordedCall::Kind::TextExtent).size(), 2u);
    EXPECT_TRUE(grid.device.calls().empty());
}

TEST(OutputInactive, PlacesNothingAndNeverEndsTheRun)
{
    Grid grid(10, 2);
    grid.settings.endCondition = EndCondition::ToLine;
    grid.settings.endValue = 1;
    OutputDirectProbe output(grid.device, grid.settings);
    output.active = false;
    EXPECT_NO_THROW(output.putLine(1, u"x"));
    output.breakColumn();
    output.newPage();
    EXPECT_TRUE(output.emitted.empty());
    EXPECT_EQ(output.column(), 0);
    EXPECT_EQ(output.page(), 0);
}

TEST(OutputDirect, PageStaysZeroUntilAPageStarts)
{
    Grid grid(10, 1);
    OutputDirectProbe output(grid.device, grid.settings);
    output.putLine(1, u"a");
    output.putLine(2, u"b");
    using Emitted = OutputDirectProbe::Emitted;
    EXPECT_EQ(output.emitted, (std::vector<Emitted> { { 0, 0, 0, "a" }, { 1, 0, 0, "b" } }));
}

} // namespace
} // namespace vantolex
