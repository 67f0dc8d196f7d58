// The preview's core: where a page lands in the window, the zoomed view's scroll bars, paging and the bar,
// and the preview output handing its pages to the window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "layout/OutputPreview.h"
#include "layout/PreviewFactory.h"
#include "layout/PreviewView.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

struct ViewRow
{
    const char* name;
    int pageWidth, pageHeight, dpiX, dpiY; // printer pixels
    int areaWidth, areaHeight; // page area of the window, screen pixels
    // whole-page view
    double fitPixelsPerInch; // screen pixels per inch of paper, the same across and down
    int offsetX, offsetY, sheetWidth, sheetHeight;
    // zoomed view
    int zoomSheetWidth, zoomSheetHeight;
    ScrollAxis across, down;
};

// halfCell 40 and charHeight 70 printer pixels in every row.
const ViewRow viewRows[] = {
    { "page taller than the area, width rounded down",
      4800,
      6600,
      600,
      600,
      800,
      600, //
      54.5454545,
      182,
      0,
      436,
      600,
      1024,
      1408,
      { 1051, 3750, 40 },
      { 3789, 2812, 70 } },
    { "page taller than the area, width rounded up",
      4800,
      6600,
      600,
      600,
      800,
      602, //
      54.7272727,
      181,
      0,
      438,
      602,
      1024,
      1408,
      { 1051, 3750, 40 },
      { 3780, 2821, 70 } },
    { "page wider than the area, height rounded up from a half",
      4800,
      6600,
      600,
      600,
      500,
      700, //
      62.5,
      0,
      6,
      500,
      688,
      1024,
      1408,
      { 2458, 2343, 40 },
      { 3320, 3281, 70 } },
    { "landscape page in a tall area",
      6600,
      4800,
      600,
      600,
      600,
      800, //
      54.5454545,
      0,
      182,
      600,
      436,
      1408,
      1024,
      { 3789, 2812, 40 },
      { 1051, 3750, 70 } },
    // The same 8 × 11 inch paper at 600 × 300 dpi lands exactly where it does at 600 × 600 dpi.
    { "600 x 300 dpi keeps the paper's proportions",
      4800,
      3300,
      600,
      300,
      800,
      600, //
      54.5454545,
      182,
      0,
      436,
      600,
      1024,
      1408,
      { 1051, 3750, 40 },
      { 1895, 1406, 70 } },
    { "window larger than the page",
      600,
      900,
      600,
      600,
      1000,
      1000, //
      666.6666667,
      166,
      0,
      667,
      1000,
      128,
      192,
      { 0, 4687, 40 },
      { 0, 4687, 70 } },
};

TEST(PreviewView, MapsThePageAndScrollsTheZoomedView)
{
    for (const ViewRow& row : viewRows) {
        SCOPED_TRACE(row.name);
        PageGrid page;
        page.pageWidth = row.pageWidth;
        page.pageHeight = row.pageHeight;
        page.dpiX = row.dpiX;
        page.dpiY = row.dpiY;
        page.halfCell = 40;
        page.charHeight = 70;

        const ViewMapping fit = fitMapping(page, row.areaWidth, row.areaHeight);
        EXPECT_NEAR(fit.scaleX * row.dpiX, row.fitPixelsPerInch, 1e-6);
        EXPECT_NEAR(fit.scaleY * row.dpiY, row.fitPixelsPerInch, 1e-6);
        EXPECT_EQ(fit.offsetX, row.offsetX);
        EXPECT_EQ(fit.offsetY, row.offsetY);
        EXPECT_EQ(fit.sheetWidth, row.sheetWidth);
        EXPECT_EQ(fit.sheetHeight, row.sheetHeight);

        const ViewMapping zoom = zoomMapping(page, 17, 23);
        EXPECT_DOUBLE_EQ(zoom.scaleX * row.dpiX, 128.0);
        EXPECT_DOUBLE_EQ(zoom.scaleY * row.dpiY, 128.0);
        EXPECT_EQ(zoom.offsetX, -17);
        EXPECT_EQ(zoom.offsetY, -23);
        EXPECT_EQ(zoom.sheetWidth, row.zoomSheetWidth);
        EXPECT_EQ(zoom.sheetHeight, row.zoomSheetHeight);
        EXPECT_EQ(horizontalScroll(page, row.areaWidth), row.across);
        EXPECT_EQ(verticalScroll(page, row.areaHeight), row.down);
    }
}

TEST(PreviewView, ScrollPositionsInScreenPixelsTruncate)
{
    EXPECT_EQ(scrollPixels(1051, 600), 224); // 224.2
    EXPECT_EQ(scrollPixels(4800, 600), 1024);
    EXPECT_EQ(scrollPixels(1895, 300), 808); // 808.5
    EXPECT_EQ(scrollPixels(0, 600), 0);
}

TEST(PreviewView, ShowPageClampsAndTheBarFollows)
{
    struct Row
    {
        int count, requested, shown;
        BarState bar;
    };
    const Row rows[] = {
        { 1, 0, 0, { false, false, u"1/1" } },
        { 1, 1, 0, { false, false, u"1/1" } },
        { 5, 2, 2, { true, true, u"3/5" } },
        { 5, 4, 4, { false, true, u"5/5" } },
        { 5, 5, 4, { false, true, u"5/5" } },
        { 5, -1, 4, { false, true, u"5/5" } }, // before the first page: the last
        { 5, -2, 4, { false, true, u"5/5" } },
        { 5, 0, 0, { true, false, u"1/5" } },
        { 0, 0, -1, { false, false, u"0/0" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.requested << " of " << row.count);
        const int shown = clampPage(row.requested, row.count);
        EXPECT_EQ(shown, row.shown);
        const BarState bar = barState(row.count, shown + 1);
        EXPECT_EQ(bar.nextEnabled, row.bar.nextEnabled);
        EXPECT_EQ(bar.previousEnabled, row.bar.previousEnabled);
        EXPECT_EQ(toUtf8(bar.label), toUtf8(row.bar.label));
    }
}

// The window's side of the preview output: what it was given.
class DisplayRecord final : public PreviewDisplay
{
public:
    void showPages(std::unique_ptr<PageStore> store, const PageLayout& layout) override
    {
        stores.push_back(std::move(store));
        layouts.push_back(layout);
    }
    void closeWindow() override { ++closes; }

    std::vector<std::unique_ptr<PageStore>> stores;
    std::vector<PageLayout> layouts;
    int closes = 0;
};

TEST(OutputPreview, FinishHandsTheCompletedPagesOverOnce)
{
    test::Grid grid(10, 2);
    DisplayRecord display;
    PreviewFactory factory([&] { return std::make_unique<RecordingDevice>(grid.device.capabilities()); }, display,
                           systemClock());
    std::unique_ptr<Output> output = factory.createOutput(grid.settings, u"/docs/memo.txt");
    output->newPage(); // page 1 empty, as after a leading page break
    for (int number = 1; number <= 3; ++number)
        output->putLine(number, u"line");
    output->finish();

    ASSERT_EQ(display.stores.size(), 1u);
    ASSERT_TRUE(display.stores[0]);
    EXPECT_EQ(display.stores[0]->pageStarts(), (std::vector<int> { 0, 0, 2, 3 }));
    EXPECT_EQ(display.layouts[0].totalPages, 3);
    EXPECT_EQ(toUtf8(display.layouts[0].fileName), "memo.txt");
    EXPECT_EQ(static_cast<OutputPreview&>(*output).pageStore(), nullptr);
    EXPECT_EQ(display.closes, 0);
}

TEST(OutputPreview, AbortClosesTheWindowAndShowsNothing)
{
    test::Grid grid(10, 2);
    DisplayRecord display;
    PreviewFactory factory([&] { return std::make_unique<RecordingDevice>(grid.device.capabilities()); }, display,
                           systemClock());
    std::unique_ptr<Output> output = factory.createOutput(grid.settings, u"memo.txt");
    output->putLine(1, u"line");
    output->abort();
    output.reset();
    EXPECT_EQ(display.closes, 1);
    EXPECT_TRUE(display.stores.empty());
}

TEST(PreviewFactory, WithoutAPrinterWarns)
{
    test::Grid grid(10, 2);
    DisplayRecord display;
    int asked = 0;
    PreviewFactory factory(
        [&] {
            ++asked;
            return std::unique_ptr<Device>();
        },
        display, systemClock());
    EXPECT_THROW_MESSAGE(factory.createOutput(grid.settings, u"memo.txt"), Warning,
                         u"プリンタの設定が取得できません。");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(display.stores.empty());
    EXPECT_EQ(display.closes, 0);
}

} // namespace
} // namespace vantolex
