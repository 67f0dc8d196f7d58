// The output engine where the golden layout cases (tests/layout/golden: wrapping and cutting, tab stops, line
// numbers, breaks, print ranges, a proportional font) do not reach: numbers longer than their field,
// unprintable characters, the narrowest grids, breaks as the first item, the page limit at a page break, the
// measuring font, and outputs that own their device or take no items.
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
