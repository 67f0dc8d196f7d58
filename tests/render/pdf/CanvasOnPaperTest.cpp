// The canvas on a real PDF device: display lines laid out by the page layout land on their cells on paper.
#include <gtest/gtest.h>

#include <cmath>

#include "app/FileDevices.h"
#include "base/Utf16.h"
#include "layout/Canvas.h"
#include "render/fonts/FontCatalogue.h"
#include "render/fonts/FontFamilies.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

constexpr double pointsPerPixel = 72.0 / 600;
const double border = 5 * 72 / 25.4;

struct Drawn
{
    PageLayout layout;
    std::vector<testing::PdfWord> words;
};

// Draws `text` as line `line` of column `column` on a page of the default settings (96 cells, 2 columns)
// in the given writing direction, and reads the words back.
Drawn drawOnPaper(bool vertical, int column, int line, std::u16string_view text, const std::string& name)
{
    FontCatalogue catalogue;
    PrintSettings settings;
    settings.vertical = vertical;
    settings.showPageNumber = true;
    const auto choice = catalogue.selectFont(false, vertical, settings.language, settings.fontName);
    settings.fontDescriptor = choice.description;
    const auto pdf = testing::scratchFolder(name) / "page.pdf";
    auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
    Drawn drawn { computeLayout(*device, settings, u"grid.txt", systemClock()), {} };
    EXPECT_EQ(device->startDoc(u"grid"), 1);
    EXPECT_EQ(device->startPage(), 1);
    {
        Canvas canvas(*device, drawn.layout);
        canvas.beginPage(1);
        canvas.drawLine(column, line, text);
    }
    EXPECT_EQ(device->endPage(), 1);
    EXPECT_EQ(device->endDoc(), 1);
    drawn.words = testing::pdfWords(pdf).value_or(std::vector<testing::PdfWord> {});
    return drawn;
}

TEST(CanvasOnPaper, HorizontalLineLandsOnItsCells)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_PDFTOTEXT();
    // Ideographic spaces split the line into words that pdftotext reports with their boxes.
    const std::u16string text = u"第1章　本文abc　ｶﾅ混じり　末尾";
    const Drawn drawn = drawOnPaper(false, 1, 10, text, "canvas-paper-horizontal");
    const PageLayout& l = drawn.layout;
    ASSERT_EQ(l.charHeight, 2 * l.halfCell);
    const int x = (l.columnGap + l.areaWidth) / 2 + l.originX;
    const int y = (l.lineGap + l.charHeight) * 10 + l.originY;
    // The footer "- 1 -" is read back too: keep the words of the line.
    std::vector<testing::PdfWord> line;
    for (const auto& word : drawn.words) {
        if (std::abs(word.yMin - (border + y * pointsPerPixel)) < 1.0) {
            line.push_back(word);
        }
    }
    ASSERT_EQ(line.size(), 4u);
    const int cellsBefore[] = { 0, 7, 16, 26 }; // 第1章　 = 7 cells, 本文abc　 = 9, ｶﾅ混じり　 = 10
    const char* words[] = { "第1章", "本文abc", "ｶﾅ混じり", "末尾" };
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(words[k]);
        EXPECT_EQ(line[static_cast<std::size_t>(k)].text, words[k]);
        EXPECT_NEAR(line[static_cast<std::size_t>(k)].xMin, border + (x + cellsBefore[k] * l.halfCell) * pointsPerPixel,
                    0.02);
    }
}

TEST(CanvasOnPaper, VerticalLineLandsOnItsCells)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_PDFTOTEXT();
    // Ideographic spaces between the characters, so that pdftotext reports each of them as a word.
    const std::u16string text = u"縦　書　き　の　升　目";
    const Drawn drawn = drawOnPaper(true, 1, 3, text, "canvas-paper-vertical");
    const PageLayout& l = drawn.layout;
    const int x = l.originX - (l.lineGap + l.charHeight) * 3;
    const int y = (l.columnGap + l.areaHeight) / 2 + l.originY;
    std::vector<testing::PdfWord> line;
    for (const auto& word : drawn.words) {
        const auto box = testing::uprightEmBox(word, l.charHeight * pointsPerPixel);
        if (std::abs(box.xMax - (border + x * pointsPerPixel)) < 0.5) {
            line.push_back(box);
        }
    }
    ASSERT_EQ(line.size(), (text.size() + 1) / 2);
    for (std::size_t k = 0; k < line.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(line[k].text, toUtf8(text.substr(2 * k, 1)));
        EXPECT_NEAR(line[k].yMin, border + (y + static_cast<int>(2 * k) * 2 * l.halfCell) * pointsPerPixel, 0.02);
    }
}

} // namespace
} // namespace vantolex
