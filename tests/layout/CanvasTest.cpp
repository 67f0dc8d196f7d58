#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "layout/Canvas.h"
#include "layout/LayoutMessages.h"
#include "layout/RecordingDevice.h"
#include "layout/TemplateParser.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using Kind = RecordedCall::Kind;

// A layout with the numbers of the worked examples: 600 dpi, three columns of an area 3000 wide with a
// gap of 100, the area's corner at (200, 300).
PageLayout horizontalLayout()
{
    PageLayout layout;
    layout.pageWidth = 4800;
    layout.pageHeight = 6600;
    layout.areaWidth = 3000;
    layout.areaHeight = 6000;
    layout.dpiX = 600;
    layout.dpiY = 600;
    layout.originX = 200;
    layout.originY = 300;
    layout.columnGap = 100;
    layout.columnLength = 933;
    layout.halfCell = 60;
    layout.charHeight = 120;
    layout.lineGap = 30;
    layout.cellsPerLine = 14;
    layout.columnLines = 40;
    layout.font.faceName = u"ＭＳ 明朝";
    layout.font.height = -120;
    return layout;
}

// Vertical writing: originX is the right edge of the area.
PageLayout verticalLayout()
{
    PageLayout layout = horizontalLayout();
    layout.originX = 4500;
    layout.areaWidth = 4000;
    layout.areaHeight = 3000;
    layout.font.faceName = u"@ＭＳ 明朝";
    layout.font.escapement = 2700;
    return layout;
}

void setDrawing(PageLayout& layout, int columns, bool vertical, bool separator)
{
    layout.columns = columns;
    layout.vertical = vertical;
    layout.columnSeparator = separator;
}

void setTemplate(PageLayout& layout, TermListIndex list, std::u16string_view text)
{
    layout.termLists[list].clear();
    parseTemplate(text, layout.termLists[list], u"/home/user/メモ.txt", u"メモ.txt", systemClock());
    if (list <= HeaderRight) {
        layout.hasHeader = true;
    } else {
        layout.hasFooter = true;
    }
}

TEST(Canvas, SeparatorsLieInTheMiddleOfTheGapsAcrossTheTextArea)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setDrawing(layout, 3, false, true);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.beginPage(1);
    const auto lines = device.callsOf(Kind::DashedLine);
    ASSERT_EQ(lines.size(), 2u);
    // 1 × 3100 / 3 − 50 + 200 = 1183 and 2 × 3100 / 3 − 50 + 200 = 2216
    EXPECT_EQ((std::array { lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2 }),
              (std::array { 1183, 300, 1183, 6300 }));
    EXPECT_EQ((std::array { lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2 }),
              (std::array { 2216, 300, 2216, 6300 }));
}

TEST(Canvas, VerticalSeparatorsRunAcrossTheAreaBetweenStackedColumns)
{
    RecordingDevice device;
    PageLayout layout = verticalLayout();
    setDrawing(layout, 3, true, true);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.drawSeparators();
    const auto lines = device.callsOf(Kind::DashedLine);
    ASSERT_EQ(lines.size(), 2u);
    // 1 × 3100 / 3 − 50 + 300 = 1283, 2 × 3100 / 3 − 50 + 300 = 2316; from originX − areaWidth to originX.
    EXPECT_EQ((std::array { lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2 }),
              (std::array { 500, 1283, 4500, 1283 }));
    EXPECT_EQ((std::array { lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2 }),
              (std::array { 500, 2316, 4500, 2316 }));
}

// A preview keeps its layout on screen while the settings it was made from are edited.
TEST(Canvas, RedrawAfterTheSettingsChangedDrawsTheLayoutItWasMadeWith)
{
    RecordingDevice device({ 4800, 6600, 600, 600 });
    PrintSettings settings;
    settings.fontDescriptor = FontDescription { u"@IPA明朝", u"日本語" };
    settings.columns = 3;
    settings.vertical = true;
    settings.columnSeparator = true;
    const PageLayout kept = computeLayout(device, settings, u"a.txt", systemClock());
    settings.columns = 1;
    settings.vertical = false;
    settings.columnSeparator = false;
    settings.fontDescriptor->faceName = u"IPAゴシック";

    Canvas canvas(device, kept);
    device.clearCalls();
    canvas.beginPage(1);
    canvas.drawLine(0, 0, u"縦");
    const auto lines = device.callsOf(Kind::DashedLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].y1, lines[0].y2); // across the page: columns stacked top to bottom
    const auto texts = device.callsOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.faceName, u"@IPA明朝");
}

TEST(Canvas, NoSeparatorForOneColumnOrWhenNotAskedFor)
{
    struct Row
    {
        const char* name;
        int columns;
        bool separator;
    };
    for (const Row& row :
         { Row { "one column, separator asked", 1, true }, Row { "three columns, not asked", 3, false } }) {
        SCOPED_TRACE(row.name);
        RecordingDevice device;
        PageLayout layout = horizontalLayout();
        setDrawing(layout, row.columns, false, row.separator);
        Canvas canvas(device, layout);
        canvas.beginPage(1);
        EXPECT_TRUE(device.callsOf(Kind::DashedLine).empty());
    }
}

TEST(Canvas, HorizontalLinesStartAtTheirColumnAndLine)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setDrawing(layout, 3, false, false);
    Canvas canvas(device, layout);
    canvas.drawLine(0, 0, u"first");
    canvas.drawLine(1, 0, u"column 1");
    canvas.drawLine(2, 5, u"column 2, line 5");
    const auto texts = device.callsOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ((std::pair { texts[0].x1, texts[0].y1 }), (std::pair { 200, 300 }));
    EXPECT_EQ((std::pair { texts[1].x1, texts[1].y1 }), (std::pair { 1233, 300 })); // 1 × 3100 / 3 + 200
    EXPECT_EQ((std::pair { texts[2].x1, texts[2].y1 }), (std::pair { 2266, 1050 })); // 150 × 5 + 300
    EXPECT_EQ(texts[2].text, u"column 2, line 5");
    EXPECT_EQ(texts[2].font.faceName, u"ＭＳ 明朝");
}

TEST(Canvas, VerticalLinesRunRightToLeftFromTheRightEdge)
{
    RecordingDevice device;
    PageLayout layout = verticalLayout();
    setDrawing(layout, 3, true, false);
    Canvas canvas(device, layout);
    canvas.drawLine(0, 0, u"右端");
    canvas.drawLine(0, 3, u"三行目");
    canvas.drawLine(2, 1, u"下の段");
    const auto texts = device.callsOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ((std::pair { texts[0].x1, texts[0].y1 }), (std::pair { 4500, 300 }));
    EXPECT_EQ((std::pair { texts[1].x1, texts[1].y1 }), (std::pair { 4500 - 450, 300 })); // (30 + 120) × 3
    EXPECT_EQ((std::pair { texts[2].x1, texts[2].y1 }), (std::pair { 4350, 2366 })); // 2 × 3100 / 3 + 300
    EXPECT_EQ(texts[1].font.faceName, u"@ＭＳ 明朝");
    EXPECT_EQ(texts[1].font.escapement, 2700);
}

TEST(Canvas, HeaderAndFooterRectanglesInHorizontalWriting)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setTemplate(layout, HeaderLeft, u"abc");
    setTemplate(layout, FooterRight, u"- &p -");
    setDrawing(layout, 1, false, false);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.beginPage(7);
    const auto texts = device.callsOf(Kind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].box, (Rect { 200, 300 - 30 - 120, 3200, 300 - 30 }));
    EXPECT_EQ(texts[0].text, u"abc");
    EXPECT_EQ(texts[0].align, TextAlign::Left);
    EXPECT_EQ(texts[0].font.faceName, u"ＭＳ 明朝");
    EXPECT_EQ(texts[1].box, (Rect { 200, 6300 + 30, 3200, 6300 + 30 + 120 }));
    EXPECT_EQ(texts[1].text, u"- 7 -");
    EXPECT_EQ(texts[1].align, TextAlign::Right);
}

TEST(Canvas, HeaderAndFooterRectanglesInVerticalWritingUseTheUprightFace)
{
    RecordingDevice device;
    PageLayout layout = verticalLayout();
    setTemplate(layout, HeaderCenter, u"【 &w 】");
    setTemplate(layout, FooterCenter, u"&p / &P");
    layout.totalPages = 12;
    setDrawing(layout, 2, true, false);
    Canvas canvas(device, layout);

    const auto fonts = device.callsOf(Kind::CreateFont);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].font.faceName, u"@ＭＳ 明朝");
    EXPECT_EQ(fonts[1].font.faceName, u"ＭＳ 明朝");
    EXPECT_EQ(fonts[1].font.escapement, 0);
    EXPECT_EQ(fonts[1].font.height, -120);

    device.clearCalls();
    canvas.beginPage(3);
    const auto texts = device.callsOf(Kind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].box, (Rect { 500, 300 - 240, 4500, 300 - 120 }));
    EXPECT_EQ(texts[0].text, u"【 メモ.txt 】");
    EXPECT_EQ(texts[0].align, TextAlign::Center);
    EXPECT_EQ(texts[0].font.faceName, u"ＭＳ 明朝");
    EXPECT_EQ(texts[0].font.escapement, 0);
    EXPECT_EQ(texts[1].box, (Rect { 500, 3300 + 120, 4500, 3300 + 240 }));
    EXPECT_EQ(texts[1].text, u"3 / 12");
    // The lines after the furniture are written with the text font again.
    canvas.drawLine(0, 0, u"本文");
    EXPECT_EQ(device.callsOf(Kind::TextOut).at(0).font.faceName, u"@ＭＳ 明朝");
}

TEST(Canvas, EmptyTextsAreNotDrawnAndAmpersandsPassUnchanged)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setTemplate(layout, HeaderLeft, u"A&&B");
    setTemplate(layout, HeaderCenter, u"");
    setTemplate(layout, HeaderRight, u"x&qy");
    setDrawing(layout, 1, false, false);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.beginPage(1);
    const auto texts = device.callsOf(Kind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, u"A&B");
    EXPECT_EQ(texts[0].align, TextAlign::Left);
    EXPECT_EQ(texts[1].text, u"x&qy");
    EXPECT_EQ(texts[1].align, TextAlign::Right);
}

TEST(Canvas, FurnitureComesInOrderSeparatorsHeaderFooter)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setTemplate(layout, FooterLeft, u"f");
    setTemplate(layout, HeaderLeft, u"h");
    setDrawing(layout, 2, false, true);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.beginPage(1);
    const auto& calls = device.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::DashedLine);
    EXPECT_EQ(calls[1].text, u"h");
    EXPECT_EQ(calls[2].text, u"f");
}

TEST(Canvas, NoHeaderOrFooterWithoutTheFlags)
{
    RecordingDevice device;
    PageLayout layout = horizontalLayout();
    setTemplate(layout, HeaderLeft, u"h");
    setTemplate(layout, FooterLeft, u"f");
    layout.hasHeader = false;
    layout.hasFooter = false;
    setDrawing(layout, 1, false, false);
    Canvas canvas(device, layout);
    device.clearCalls();
    canvas.beginPage(1);
    EXPECT_TRUE(device.calls().empty());
}

TEST(Canvas, FontTheDeviceCannotMakeIsAWarning)
{
    for (const bool vertical : { false, true }) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        RecordingDevice device;
        device.refuseFonts(true);
        PageLayout layout = vertical ? verticalLayout() : horizontalLayout();
        setDrawing(layout, 1, vertical, false);
        EXPECT_THROW_MESSAGE(Canvas(device, layout), Warning, u"印刷用フォントが作成できませんでした。");
    }
}

TEST(HeaderFontDescription, DropsTheVerticalMarkAndTurnsTheFontUpright)
{
    struct Row
    {
        const char* name;
        std::u16string face;
        int escapement;
        std::u16string expectedFace;
    };
    const std::u16string longName(40, u'字');
    const Row rows[] = {
        { "vertical face", u"@ＭＳ 明朝", 2700, u"ＭＳ 明朝" },
        { "face without @ kept", u"IPA明朝", 2700, u"IPA明朝" },
        { "long vertical name cut to 31", u"@" + longName, 2700, std::u16string(31, u'字') },
        { "long plain name kept", longName, 2700, longName },
        { "only the mark", u"@", 2700, u"" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FontDescription text;
        text.faceName = row.face;
        text.escapement = row.escapement;
        text.height = -88;
        text.weight = 700;
        const FontDescription header = headerFontDescription(text);
        EXPECT_EQ(header.faceName, row.expectedFace);
        EXPECT_EQ(header.escapement, 0);
        EXPECT_EQ(header.height, -88);
        EXPECT_EQ(header.weight, 700);
    }
}

} // namespace
} // namespace vantolex
