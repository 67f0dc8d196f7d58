// The page store of a buffered output: page boundaries, completion, the total page count and the lookup.
#include <gtest/gtest.h>

#include <vector>

#include "EngineTestSupport.h"

namespace vantolex {
namespace {

using test::Grid;
using test::OutputKeeping;
using Starts = std::vector<int>;

TEST(OutputBuffered, EmptySourceIsOneEmptyPage)
{
    Grid grid(10, 3);
    OutputKeeping output(grid.device, grid.settings);
    EXPECT_EQ(output.page(), 1);
    EXPECT_EQ(output.pageStore()->pageStarts(), (Starts { 0 }));
    EXPECT_EQ(output.pageStore()->pageCount(), 0);
    output.finish();
    EXPECT_EQ(output.pageStore()->pageStarts(), (Starts { 0, 0 }));
    EXPECT_EQ(output.layout().totalPages, 1);
    EXPECT_TRUE(output.pageStore()->pageLines(0).empty());
}

TEST(OutputBuffered, PageBreakFirstLeavesAnEmptyFirstPageThatCounts)
{
    Grid grid(10, 3);
    OutputKeeping output(grid.device, grid.settings);
    output.newPage();
    output.putLine(1, u"a");
    output.putLine(2, u"b");
    output.finish();
    EXPECT_EQ(output.pageStore()->pageStarts(), (Starts { 0, 0, 2 }));
    EXPECT_EQ(output.layout().totalPages, 2);
    EXPECT_TRUE(output.pageStore()->pageLines(0).empty());
    EXPECT_EQ(output.pageTexts(1), (std::vector<std::string> { "a", "b" }));
}

TEST(OutputBuffered, PageLimitOneOnALongerSourceKeepsOnePage)
{
    Grid grid(10, 3);
    grid.settings.endCondition = EndCondition::PageCount;
    grid.settings.endValue = 1;
    OutputKeeping output(grid.device, grid.settings);
    int number = 0;
    try {
        while (number < 9)
            output.putLine(++number, u"x");
        FAIL() << "the page limit did not end the run";
    } catch (const NotifyEndOutput&) {
    }
    EXPECT_EQ(number, 4); // the fourth line would have opened page 2
    output.finish();
    EXPECT_EQ(output.pageStore()->pageStarts(), (Starts { 0, 3 }));
    EXPECT_EQ(output.layout().totalPages, 1);
}

TEST(OutputBuffered, ReleasedStoreGoesWithItsPages)
{
    Grid grid(10, 3);
    OutputKeeping output(grid.device, grid.settings);
    output.putLine(1, u"a");
    output.finish();
    std::unique_ptr<PageStore> store = output.releasePageStore();
    EXPECT_EQ(output.pageStore(), nullptr);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->pageCount(), 1);
    EXPECT_EQ(store->lineCount(), 1);
}

TEST(PageStoreLookup, RangesOfCompletePagesAndEmptyRangeOutside)
{
    PageStore store;
    EXPECT_EQ(store.pageCount(), 0);
    EXPECT_EQ(store.pageRange(0), std::make_pair(0, 0));
    store.addPageBoundary();
    store.addPageBoundary();
    for (const char16_t* text : { u"a", u"", u"ccc" })
        store.addLine(0, 0, text);
    store.addPageBoundary();
    for (const char16_t* text : { u"dd", u"e" })
        store.addLine(1, 2, text);
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_EQ(store.pageRange(0), std::make_pair(0, 0));
    EXPECT_EQ(store.pageRange(1), std::make_pair(0, 3));
    EXPECT_EQ(store.pageRange(2), std::make_pair(0, 0)); // the last page is not complete yet
    EXPECT_EQ(store.pageRange(-1), std::make_pair(0, 0));
    store.addPageBoundary();
    EXPECT_EQ(store.pageRange(2), std::make_pair(3, 5));
    const LineRange last = store.pageLines(2);
    EXPECT_EQ(std::vector<LineRecord>(last.begin(), last.end()),
              (std::vector<LineRecord> { { 1, 2, u"dd" }, { 1, 2, u"e" } }));
    EXPECT_EQ(last.back(), (LineRecord { 1, 2, u"e" }));
    EXPECT_EQ(store.pageLines(3).size(), 0);
}

} // namespace
} // namespace vantolex
