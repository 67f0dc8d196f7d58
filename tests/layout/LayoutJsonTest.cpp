// The layout JSON of an output with no line at all (the other documents are golden layout cases).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "layout/OutputLayoutJson.h"
#include "layout/RecordingDevice.h"
#include "layout/StreamByteSink.h"
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

    nlohmann::json layOut(const std::vector<std::u16string>& lines)
    {
        std::ostringstream out;
        StreamByteSink sink(out, u"");
        {
            OutputLayoutJson output(std::make_unique<RecordingDevice>(DeviceCaps { 4800, 6600, 600, 600 }), settings,
                                    u"/docs/メモ.txt", sink, clock);
            // The two passes of a print run.
            for (int pass = 0; pass < 2; ++pass) {
                if (pass == 1)
                    output.startDrawingPass();
                int number = 0;
                for (const auto& line : lines)
                    output.putLine(++number, line);
            }
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

TEST_F(LayoutJsonTest, EmptySourceGivesOneEmptyPage)
{
    const auto document = layOut({});
    ASSERT_EQ(document.at("pages").size(), 1u);
    EXPECT_EQ(document.at("layout").at("totalPages"), 1);
    EXPECT_EQ(document.at("pages")[0].at("header"), (nlohmann::json { "", "", "" }));
}

} // namespace
} // namespace vantolex
