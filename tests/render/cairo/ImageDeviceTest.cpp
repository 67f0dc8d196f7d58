#include <gtest/gtest.h>

#include "render/cairo/CairoImageDevice.h"
#include "render/fonts/FontFamilies.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

constexpr Rgb white { 255, 255, 255 };
constexpr Rgb black { 0, 0, 0 };

TEST(CairoImageDevice, ReportsTheCapabilitiesItIsGivenAndStartsWhite)
{
    CairoImageDevice device(40, 30, { 4800, 6600, 600, 600 });
    EXPECT_EQ(device.capabilities(), (DeviceCaps { 4800, 6600, 600, 600 }));
    EXPECT_EQ(device.width(), 40);
    EXPECT_EQ(device.height(), 30);
    EXPECT_EQ(device.pixel(0, 0), white);
    EXPECT_EQ(device.pixel(39, 29), white);
    EXPECT_EQ(device.startDoc(u"job"), 1);
    EXPECT_EQ(device.startPage(), 1);
    EXPECT_EQ(device.endPage(), 1);
    EXPECT_EQ(device.endDoc(), 1);
    EXPECT_EQ(device.abortDoc(), 1);
}

TEST(CairoImageDevice, FillCoversTheBoxWithItsRightAndBottomEdgesExcluded)
{
    CairoImageDevice device(20, 20, { 20, 20, 96, 96 });
    device.fillRect({ 2, 3, 10, 8 }, { 0, 0, 255 });
    EXPECT_EQ(device.pixel(2, 3), (Rgb { 0, 0, 255 }));
    EXPECT_EQ(device.pixel(9, 7), (Rgb { 0, 0, 255 }));
    EXPECT_EQ(device.pixel(10, 7), white);
    EXPECT_EQ(device.pixel(9, 8), white);
    EXPECT_EQ(device.pixel(1, 3), white);
}

TEST(CairoImageDevice, FrameIsTheOutermostRingOfPixelsInsideTheBox)
{
    CairoImageDevice device(20, 20, { 20, 20, 96, 96 });
    device.frameRect({ 2, 2, 12, 10 }, { 0, 0, 255 });
    const Rgb blue { 0, 0, 255 };
    EXPECT_EQ(device.pixel(2, 2), blue);
    EXPECT_EQ(device.pixel(11, 2), blue);
    EXPECT_EQ(device.pixel(2, 9), blue);
    EXPECT_EQ(device.pixel(11, 9), blue);
    EXPECT_EQ(device.pixel(6, 2), blue);
    EXPECT_EQ(device.pixel(6, 5), white); // inside
    EXPECT_EQ(device.pixel(12, 5), white); // outside
    EXPECT_EQ(device.pixel(6, 10), white);
}

TEST(CairoImageDevice, DashedLineIsOnePixelWideWithGaps)
{
    // 96 dpi: dashes of 12 pixels and gaps of 4.
    CairoImageDevice device(100, 10, { 100, 10, 96, 96 });
    device.dashedLine(0, 5, 100, 5);
    int dark = 0;
    int gaps = 0;
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(device.pixel(x, 4), white);
        EXPECT_EQ(device.pixel(x, 6), white);
        const Rgb on = device.pixel(x, 5);
        dark += on == Rgb { 0, 0, 0 };
        gaps += on == white;
    }
    EXPECT_EQ(device.pixel(0, 5), (Rgb { 0, 0, 0 }));
    EXPECT_EQ(device.pixel(11, 5), (Rgb { 0, 0, 0 }));
    EXPECT_EQ(device.pixel(12, 5), white);
    EXPECT_EQ(device.pixel(16, 5), (Rgb { 0, 0, 0 }));
    EXPECT_EQ(dark + gaps, 100);
    EXPECT_GT(gaps, 20);
}

TEST(CairoImageDevice, ViewScalesAndMovesDevicePixels)
{
    CairoImageDevice device(100, 100, { 1000, 1000, 600, 600 });
    device.setView(0.1, 5, 7);
    device.fillRect({ 100, 200, 300, 400 }, black);
    EXPECT_EQ(device.pixel(15, 27), black);
    EXPECT_EQ(device.pixel(34, 46), black);
    EXPECT_EQ(device.pixel(14, 27), white);
    EXPECT_EQ(device.pixel(35, 46), white);
}

// Columns and rows of the image that hold any dark pixel.
struct Ink
{
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
};

Ink inkOf(const CairoImageDevice& device)
{
    Ink ink;
    for (int y = 0; y < device.height(); ++y) {
        for (int x = 0; x < device.width(); ++x) {
            if (device.pixel(x, y).green < 128) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

TEST(CairoImageDevice, HorizontalTextHangsFromItsTopLeftCorner)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    CairoImageDevice device(300, 100, { 300, 100, 96, 96 });
    FontDescription description;
    description.faceName = u"IPAGothic";
    description.height = -40;
    auto font = device.createFont(description);
    ASSERT_NE(font, nullptr);
    device.textOut(*font, 50, 30, u"■■■"); // a full-width square fills most of its em box
    const Ink ink = inkOf(device);
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.left, 56);
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.top, 38);
    EXPECT_LE(ink.bottom, 70);
    EXPECT_LE(ink.right, 170);
    EXPECT_GE(ink.right, 162);
}

TEST(CairoImageDevice, VerticalTextRunsDownWithItsGlyphsLeftOfThePoint)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    CairoImageDevice device(100, 300, { 100, 300, 96, 96 });
    FontDescription description;
    description.faceName = u"@IPAGothic";
    description.height = -40;
    description.escapement = 2700;
    auto font = device.createFont(description);
    ASSERT_NE(font, nullptr);
    device.textOut(*font, 70, 50, u"■■■");
    const Ink ink = inkOf(device);
    EXPECT_LE(ink.right, 70);
    EXPECT_GE(ink.right, 62);
    EXPECT_GE(ink.left, 30);
    EXPECT_GE(ink.top, 50);
    EXPECT_LE(ink.top, 56);
    EXPECT_LE(ink.bottom, 170);
    EXPECT_GE(ink.bottom, 162);
}

} // namespace
} // namespace vantolex
