// The recording device: its fixed capabilities, its two measures, and the record of every call.
#include <gtest/gtest.h>

#include "layout/RecordingDevice.h"

namespace vantolex {
namespace {

using Kind = RecordedCall::Kind;

FontDescription sized(int height)
{
    FontDescription font;
    font.faceName = u"IPAGothic";
    font.height = height;
    return font;
}

TEST(RecordingDevice, ReportsTheCapabilitiesItWasMadeWith)
{
    EXPECT_EQ(RecordingDevice().capabilities(), (DeviceCaps { 4800, 6600, 600, 600 }));
    EXPECT_EQ(RecordingDevice({ 100, 200, 300, 400 }).capabilities(), (DeviceCaps { 100, 200, 300, 400 }));
}

TEST(RecordingDevice, FixedPitchAdvancesHalfTheHeightAndDoubleWidthTwice)
{
    RecordingDevice device;
    const auto font = device.createFont(sized(-121));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(device.textExtent(*font, u"a"), 60);
    EXPECT_EQ(device.textExtent(*font, u"漢"), 120);
    EXPECT_EQ(device.textExtent(*font, u"ab漢ｱ"), 60 + 60 + 120 + 60); // halfwidth katakana is one cell
    EXPECT_EQ(device.textExtent(*font, u""), 0);
    // A positive height measures the same.
    const auto positive = device.createFont(sized(121));
    EXPECT_EQ(device.textExtent(*positive, u"a漢"), 180);
}

TEST(RecordingDevice, ProportionalMeasureVariesByCharacter)
{
    RecordingDevice device({ 4800, 6600, 600, 600 }, RecordingMeasure::Proportional);
    const auto font = device.createFont(sized(-100));
    EXPECT_EQ(device.textExtent(*font, u" "), 50); // 32 % 5 = 2
    EXPECT_EQ(device.textExtent(*font, u"i"), 30); // 105 % 5 = 0
    EXPECT_EQ(device.textExtent(*font, u"m"), 70); // 109 % 5 = 4
    EXPECT_EQ(device.textExtent(*font, u"漢"), 100);
    EXPECT_EQ(device.textExtent(*font, u"im漢 "), 250);
    EXPECT_EQ(RecordingDevice::unitAdvance(RecordingMeasure::Proportional, 100, u'j'), 40);
}

TEST(RecordingDevice, CustomMeasureReplacesTheBuiltInOne)
{
    RecordingDevice device;
    device.setMeasure([](const FontDescription& font, std::u16string_view text) {
        return static_cast<int>(text.size()) * 1000 + font.weight;
    });
    const auto font = device.createFont(sized(-10));
    EXPECT_EQ(device.textExtent(*font, u"abc"), 3400);
}

TEST(RecordingDevice, RecordsEveryCallInOrder)
{
    RecordingDevice device;
    const auto font = device.createFont(sized(-50));
    EXPECT_GT(device.startDoc(u"job - Vantolex"), 0);
    EXPECT_GT(device.startPage(), 0);
    device.textOut(*font, 10, 20, u"本文");
    device.drawText(*font, { 1, 2, 3, 4 }, u"&p", TextAlign::Right);
    device.dashedLine(5, 6, 7, 8);
    device.fillRect({ 0, 0, 9, 9 }, { 128, 128, 128 });
    device.frameRect({ 1, 1, 8, 8 }, { 0, 0, 255 });
    device.textExtent(*font, u"x");
    EXPECT_GT(device.endPage(), 0);
    EXPECT_GT(device.endDoc(), 0);
    EXPECT_GT(device.abortDoc(), 0);

    const std::vector<RecordedCall>& calls = device.calls();
    std::vector<Kind> kinds;
    for (const RecordedCall& call : calls)
        kinds.push_back(call.kind);
    EXPECT_EQ(kinds,
              (std::vector<Kind> { Kind::CreateFont, Kind::StartDoc, Kind::StartPage, Kind::TextOut, Kind::DrawText,
                                   Kind::DashedLine, Kind::FillRect, Kind::FrameRect, Kind::TextExtent, Kind::EndPage,
                                   Kind::EndDoc, Kind::AbortDoc }));
    EXPECT_EQ(calls[1].text, u"job - Vantolex");
    EXPECT_EQ(calls[3].text, u"本文");
    EXPECT_EQ(calls[3].x1, 10);
    EXPECT_EQ(calls[3].y1, 20);
    EXPECT_EQ(calls[3].font.height, -50);
    EXPECT_EQ(calls[4].box, (Rect { 1, 2, 3, 4 }));
    EXPECT_EQ(calls[4].align, TextAlign::Right);
    EXPECT_EQ(calls[5].x2, 7);
    EXPECT_EQ(calls[5].y2, 8);
    EXPECT_EQ(calls[6].colour, (Rgb { 128, 128, 128 }));
    EXPECT_EQ(calls[7].box, (Rect { 1, 1, 8, 8 }));
    EXPECT_EQ(calls[8].result, 25);
    EXPECT_EQ(device.callsOf(Kind::TextOut).size(), 1u);
    device.clearCalls();
    EXPECT_TRUE(device.calls().empty());
}

TEST(RecordingDevice, FailuresCanBeArranged)
{
    RecordingDevice device;
    device.refuseFonts(true);
    EXPECT_EQ(device.createFont(sized(-10)), nullptr);
    EXPECT_EQ(device.calls().back().result, 0);
    device.setJobResult(Kind::StartPage, SpoolResult::OutOfDisk);
    EXPECT_EQ(device.startPage(), SpoolResult::OutOfDisk);
    EXPECT_EQ(device.calls().back().result, SpoolResult::OutOfDisk);
    EXPECT_EQ(device.endPage(), 1);
}

TEST(RecordingDevice, ExtentsNeedNotBeRecorded)
{
    RecordingDevice device;
    const auto font = device.createFont(sized(-10));
    device.recordExtents(false);
    EXPECT_EQ(device.textExtent(*font, u"ab"), 10);
    EXPECT_EQ(device.calls().size(), 1u);
}

} // namespace
} // namespace vantolex
