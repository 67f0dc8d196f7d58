#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "layout/OutputLayoutJson.h"
#include "layout/StreamByteSink.h"
#include "layout/device/RecordingDevice.h"
#include "settings/PrintSettings.h"

namespace vantolex {
namespace {

class LayoutJsonTest : public ::testing::Test
{
protected:
    LayoutJsonTest()
    {
        settings.resetToDefaults();
        settings.fontDescriptor = font;
        settings.columns = 2;
        settings.charsPerLine = 10;
    }

    nlohmann::json layOut(const std::vector<std::u16string>& lines, bool pageBreakFirst = false)
    {
        std::ostringstream out;
        StreamByteSink sink(out, u"");
        {
            OutputLayoutJson output(std::make_unique<RecordingDevice>(DeviceCaps { 4800, 6600, 600, 600 }), settings,
                                    u"/docs/メモ.txt", sink, clock);
            if (pageBreakFirst)
                output.newPage();
            int number = 0;
            for (const auto& line : lines)
                output.putLine(++number, line);
            output.finish();
        }
        const auto document = nlohmann::json::parse(out.str());
        // Written page by page, yet exactly the text of the whole document dumped at once.
        EXPECT_EQ(out.str(), document.dump(1) + "\n");
        return document;
    }

    FontDescription font { u"ＭＳ 明朝", u"日本語" };
    PrintSettings settings;
    ClockFixed clock { LocalDateTime { 2026, 12, 7, 9, 5, 3 } };
};

TEST_F(LayoutJsonTest, ListsTheLayoutFieldsAndEveryPage)
{
    settings.useHeaderFooter = true;
    settings.headerLeft = u"&w";
    settings.headerRight = u"&d &t";
    settings.footerCenter = u"- &p / &P -";
    const auto document = layOut({ u"abc", u"日本語テキスト" }, true);

    const auto& layout = document.at("layout");
    EXPECT_EQ(layout.at("pageWidth"), 4800);
    EXPECT_EQ(layout.at("pageHeight"), 6600);
    EXPECT_EQ(layout.at("dpiX"), 600);
    EXPECT_EQ(layout.at("cellsPerLine"), 10);
    EXPECT_EQ(layout.at("fileName"), "メモ.txt");
    EXPECT_EQ(layout.at("hasHeader"), true);
    EXPECT_EQ(layout.at("totalPages"), 2);
    for (const char* field :
         { "areaWidth", "areaHeight", "dpiY", "originX", "originY", "columnLength", "columnGap", "halfCell",
           "charHeight", "pointSize", "lineGap", "columnLines", "lastLine", "hasFooter" })
        EXPECT_TRUE(layout.contains(field)) << field;

    const auto& pages = document.at("pages");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].at("number"), 1);
    EXPECT_TRUE(pages[0].at("lines").empty()); // the page break left page 1 empty; it is listed all the same
    EXPECT_EQ(pages[0].at("header"), (nlohmann::json { "メモ.txt", "", "2026/12/07 09:05:03" }));
    EXPECT_EQ(pages[0].at("footer"), (nlohmann::json { "", "- 1 / 2 -", "" }));
    EXPECT_EQ(pages[1].at("footer"), (nlohmann::json { "", "- 2 / 2 -", "" }));
    const auto expectedLines = nlohmann::json::parse(R"([
        {"column": 0, "line": 0, "text": "abc"},
        {"column": 0, "line": 1, "text": "日本語テキ"},
        {"column": 0, "line": 2, "text": "スト"}])");
    EXPECT_EQ(pages[1].at("lines"), expectedLines);
}

TEST_F(LayoutJsonTest, EmptySourceGivesOneEmptyPage)
{
    const auto document = layOut({});
    ASSERT_EQ(document.at("pages").size(), 1u);
    EXPECT_EQ(document.at("layout").at("totalPages"), 1);
    EXPECT_EQ(document.at("pages")[0].at("header"), (nlohmann::json { "", "", "" }));
}

} // namespace
} // namespace vantolex
