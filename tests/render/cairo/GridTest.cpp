// The cell grid on paper: a display line drawn as one string must land every character on its cells.
#include <gtest/gtest.h>

#include "app/FileDevices.h"
#include "base/Utf16.h"
#include "render/cairo/CairoImageDevice.h"
#include "render/fonts/FontFamilies.h"
#include "support/FaceDescription.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

const std::u16string fixedFaces[] = { u"IPAGothic", u"IPAMincho", u"Noto Sans Mono CJK JP" };

// Half-width cells of the characters these tests use: ASCII and half-width katakana take one.
int cellsOf(std::u16string_view text)
{
    int cells = 0;
    for (char16_t c : text) {
        cells += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    }
    return cells;
}

using testing::face;

TEST(Grid, FullWidthAdvancesExactlyTwiceHalfWidthAtEverySize)
{
    CairoImageDevice device(10, 10, { 10, 10, 600, 600 });
    // Character heights the layout asks for: 7 to 12 pt at 600 dpi (58 to 100), the dense default page
    // (about 44), odd heights and screen sizes.
    const int heights[] = { 9, 14, 20, 33, 44, 45, 58, 66, 75, 83, 91, 100, 120 };
    const std::u16string line = u"第1章 Vantolex、「全角」と半角ｶﾅを混ぜた行。0123456789 ー〜…";
    int tried = 0;
    for (const auto& name : fixedFaces) {
        if (!isFamilyInstalled(name)) {
            continue;
        }
        for (int height : heights) {
            for (const bool vertical : { false, true }) {
                SCOPED_TRACE(toUtf8(name) + " height " + std::to_string(height) + (vertical ? " vertical" : ""));
                auto font = device.createFont(vertical ? face(u"@" + name, -height, 2700) : face(name, -height));
                ASSERT_NE(font, nullptr);
                const double half = device.textLength(*font, u"a");
                EXPECT_EQ(half * 2, height);
                EXPECT_EQ(device.textLength(*font, u"漢"), 2 * half);
                EXPECT_EQ(device.textLength(*font, u"ｱ"), half);
                // No drift along a mixed line.
                EXPECT_EQ(device.textLength(*font, line), cellsOf(line) * half);
                ++tried;
            }
        }
    }
    if (tried == 0) {
        GTEST_SKIP() << "none of the packaged fixed-pitch faces is installed";
    }
}

// Words separated by ideographic spaces, so that pdftotext reports where each begins.
const std::u16string gridLine = u"ab漢字　かなカナ12　x!　ｱｲｳ　終わり。　1234567890　最後";

std::vector<std::string> wordsOf(std::u16string_view line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(u'　', start);
        if (end == std::u16string_view::npos) {
            end = line.size();
        }
        words.push_back(toUtf8(line.substr(start, end - start)));
        start = end + 1;
    }
    return words;
}

TEST(Grid, ColumnKOfAHorizontalLineStartsWhereTheGridSaysOnPaper)
{
    SKIP_WITHOUT_PDFTOTEXT();
    const double pointsPerPixel = 72.0 / 600;
    const double border = 5 * 72 / 25.4;
    const int charHeight = 44; // halfCell 22
    const int x = 236;
    const auto folder = testing::scratchFolder("grid-horizontal");
    int tried = 0;
    for (const auto& name : fixedFaces) {
        if (!isFamilyInstalled(name)) {
            continue;
        }
        SCOPED_TRACE(toUtf8(name));
        const auto pdf = folder / (toUtf8(name) + ".pdf");
        {
            auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
            ASSERT_EQ(device->startDoc(u"grid"), 1);
            ASSERT_EQ(device->startPage(), 1);
            auto font = device->createFont(face(name, -charHeight));
            ASSERT_NE(font, nullptr);
            device->textOut(*font, x, 500, gridLine);
            ASSERT_EQ(device->endPage(), 1);
            ASSERT_EQ(device->endDoc(), 1);
        }
        const auto words = testing::pdfWords(pdf);
        ASSERT_TRUE(words);
        const auto expected = wordsOf(gridLine);
        ASSERT_EQ(words->size(), expected.size());
        int cell = 0;
        std::size_t start = 0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i]);
            EXPECT_EQ((*words)[i].text, expected[i]);
            EXPECT_NEAR((*words)[i].xMin, border + (x + cell * charHeight / 2) * pointsPerPixel, 0.02);
            const std::size_t end = std::min(gridLine.find(u'　', start), gridLine.size());
            cell += cellsOf(std::u16string_view(gridLine).substr(start, end - start + 1));
            start = end + 1;
        }
        ++tried;
    }
    if (tried == 0) {
        GTEST_SKIP() << "none of the packaged fixed-pitch faces is installed";
    }
}

TEST(Grid, CharacterKOfAVerticalLineStartsWhereTheGridSaysOnPaper)
{
    SKIP_WITHOUT_PDFTOTEXT();
    const double pointsPerPixel = 72.0 / 600;
    const double border = 5 * 72 / 25.4;
    const int charHeight = 44;
    const int y = 300;
    // Upright characters separated by ideographic spaces: pdftotext reports each of them as a word.
    const std::u16string line = u"縦　書　き　の　行　が　升　目　に　乗　る";
    const auto folder = testing::scratchFolder("grid-vertical");
    int tried = 0;
    for (const auto& name : fixedFaces) {
        if (!isFamilyInstalled(name)) {
            continue;
        }
        SCOPED_TRACE(toUtf8(name));
        const auto pdf = folder / (toUtf8(name) + ".pdf");
        {
            auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
            ASSERT_EQ(device->startDoc(u"grid"), 1);
            ASSERT_EQ(device->startPage(), 1);
            auto font = device->createFont(face(u"@" + name, -charHeight, 2700));
            ASSERT_NE(font, nullptr);
            device->textOut(*font, 4000, y, line);
            ASSERT_EQ(device->endPage(), 1);
            ASSERT_EQ(device->endDoc(), 1);
        }
        const auto words = testing::pdfWords(pdf);
        ASSERT_TRUE(words);
        ASSERT_EQ(words->size(), (line.size() + 1) / 2);
        for (std::size_t k = 0; k < words->size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ((*words)[k].text, toUtf8(line.substr(2 * k, 1)));
            const auto box = testing::uprightEmBox((*words)[k], charHeight * pointsPerPixel);
            EXPECT_NEAR(box.yMin, border + (y + static_cast<int>(2 * k) * charHeight) * pointsPerPixel, 0.02);
            EXPECT_NEAR(box.xMax, border + 4000 * pointsPerPixel, 0.02);
        }
        ++tried;
    }
    if (tried == 0) {
        GTEST_SKIP() << "none of the packaged fixed-pitch faces is installed";
    }
}

TEST(Grid, TextInABoxIsAlignedLeftCentredOrRightAndShowsTheAmpersand)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    SKIP_WITHOUT_PDFTOTEXT();
    const double pointsPerPixel = 72.0 / 600;
    const double border = 5 * 72 / 25.4;
    const auto pdf = testing::scratchFolder("draw-text") / "box.pdf";
    const Rect box { 200, 100, 3200, 144 };
    {
        auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
        ASSERT_EQ(device->startDoc(u"box"), 1);
        ASSERT_EQ(device->startPage(), 1);
        auto font = device->createFont(face(u"IPAGothic", -44));
        ASSERT_NE(font, nullptr);
        device->drawText(*font, box, u"L&R", TextAlign::Left);
        device->drawText(*font, { box.left, 300, box.right, 344 }, u"&&中央", TextAlign::Center);
        device->drawText(*font, { box.left, 500, box.right, 544 }, u"右&", TextAlign::Right);
        ASSERT_EQ(device->endPage(), 1);
        ASSERT_EQ(device->endDoc(), 1);
    }
    const auto words = testing::pdfWords(pdf);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 3u);
    EXPECT_EQ((*words)[0].text, "L&R");
    EXPECT_NEAR((*words)[0].xMin, border + 200 * pointsPerPixel, 0.02);
    EXPECT_EQ((*words)[1].text, "&&中央");
    // "&&中央" is 6 cells of 22 pixels: 132 pixels, centred in 3000.
    EXPECT_NEAR((*words)[1].xMin, border + (200 + (3000 - 132) / 2.0) * pointsPerPixel, 0.02);
    EXPECT_EQ((*words)[2].text, "右&");
    EXPECT_NEAR((*words)[2].xMax, border + 3200 * pointsPerPixel, 0.02);
}

} // namespace
} // namespace vantolex
