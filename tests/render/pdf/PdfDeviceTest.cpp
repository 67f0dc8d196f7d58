// Our PDF writer as the tools of a user read it: qpdf finds it valid, pdffonts lists embedded subsets,
// pdftotext returns the text, every glyph sits centred on its cells, and pdftoppm renders a page as it
// renders the same page drawn by the Cairo path.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>

#include "app/FileDevices.h"
#include "base/UnicodeTables.h"
#include "base/Utf16.h"
#include "layout/FileByteSink.h"
#include "render/cairo/CairoHandles.h"
#include "render/cairo/CairoStreamDevice.h"
#include "render/fonts/FontFamilies.h"
#include "render/fonts/GlyphCache.h"
#include "render/pdf/PdfDevice.h"
#include "support/FaceDescription.h"
#include "support/MemorySink.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

using testing::face;
using testing::runTool;
using testing::scratchFolder;

constexpr double pointsPerPixel = 72.0 / 600;
const double border = 5 * 72 / 25.4;

bool available(const std::string& program)
{
    return !program.empty() && !program.ends_with("NOTFOUND");
}

#define SKIP_WITHOUT(program)                                                                                          \
    do {                                                                                                               \
        if (!available(program)) {                                                                                     \
            GTEST_SKIP() << #program " is not installed";                                                              \
        }                                                                                                              \
    } while (false)

int cellsOf(std::u16string_view text)
{
    int cells = 0;
    for (const char16_t c : text) {
        cells += isDoubleWidth(c) ? 2 : 1;
    }
    return cells;
}

// A font of `name` whose characters sit on half-width cells of `pitch` pixels, as the canvas makes it.
FontDescription onCells(std::u16string name, int height, int pitch, bool vertical)
{
    FontDescription description = face(vertical ? u"@" + name : name, height, vertical ? 2700 : 0);
    description.width = pitch;
    return description;
}

// Draws `lines`, one below (or, vertically, left of) the other, on one page of `device`.
void drawPage(Device& device, const FontDescription& description, const std::vector<std::u16string>& lines)
{
    ASSERT_EQ(device.startDoc(u"sample.txt - Vantolex"), 1);
    auto font = device.createFont(description);
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(device.startPage(), 1);
    const bool vertical = description.escapement == 2700;
    const int step = -description.height * 3 / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int offset = static_cast<int>(i) * step;
        if (vertical) {
            device.textOut(*font, 4000 - offset, 300, lines[i]);
        } else {
            device.textOut(*font, 300, 300 + offset, lines[i]);
        }
    }
    device.dashedLine(300, 250, 3000, 250);
    ASSERT_EQ(device.endPage(), 1);
    ASSERT_EQ(device.endDoc(), 1);
}

void writePdf(const std::filesystem::path& pdf, const FontDescription& description,
              const std::vector<std::u16string>& lines)
{
    auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
    drawPage(*device, description, lines);
}

// Kana, kanji, ASCII, half-width katakana, ambiguous-width characters, ¥, ∑ and Hangul (from the fallback
// face), and the dashes that IPA faces draw with one glyph. (A narrow glyph centred on two cells, such as é,
// leaves gaps that pdftotext reads as spaces: the ambiguous-width characters here have wide glyphs.)
const std::vector<std::u16string> sampleLines = {
    u"吾輩は猫である。名前はまだ無い。",
    u"ASCII abc 123, ｶﾀｶﾅ, ¥100, ∑x, 한글, ○※①",
    u"「括弧」―—…ー〜ぁぃ",
};

TEST(PdfWriter, DocumentIsValidWithEmbeddedSubsetsAndItsInformation)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_FAMILY(u"Noto Serif CJK JP");
    SKIP_WITHOUT(VANTOLEX_QPDF);
    SKIP_WITHOUT(VANTOLEX_PDFFONTS);
    const auto folder = scratchFolder("pdf-writer-valid");
    for (const bool vertical : { false, true }) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        const auto pdf = folder / (vertical ? "vertical.pdf" : "horizontal.pdf");
        writePdf(pdf, onCells(u"IPAMincho", -100, 50, vertical), sampleLines);

        const auto check = runTool(VANTOLEX_QPDF, "--check", pdf);
        ASSERT_TRUE(check);
        EXPECT_NE(check->find("No syntax or stream encoding errors found"), std::string::npos) << *check;

        // One row per Type 0 font: name, type, encoding, embedded, subset, ToUnicode, object. Vertically the
        // upright characters are written through Identity-V.
        const auto fonts = runTool(VANTOLEX_PDFFONTS, "", pdf);
        ASSERT_TRUE(fonts);
        const std::string encoding = vertical ? "Identity-V" : "Identity-H";
        EXPECT_NE(fonts->find("+IPAMincho                     CID TrueType      " + encoding + "       yes yes yes"),
                  std::string::npos)
            << *fonts;
        // ∑ and Hangul come from the serif fallback face, whose outlines are CFF.
        EXPECT_NE(fonts->find("+NotoSerifCJKjp-Regular        CID Type 0C       " + encoding + "       yes yes yes"),
                  std::string::npos)
            << *fonts;
        EXPECT_EQ(fonts->find(" no "), std::string::npos) << *fonts;
    }
    const auto info = runTool(VANTOLEX_PDFINFO, "-enc UTF-8", folder / "horizontal.pdf");
    ASSERT_TRUE(info);
    EXPECT_NE(info->find("Title:           sample.txt - Vantolex\n"), std::string::npos) << *info;
    EXPECT_NE(info->find("Creator:         Vantolex\n"), std::string::npos) << *info;
    EXPECT_NE(info->find("CreationDate:"), std::string::npos) << *info;
}

TEST(PdfWriter, DocumentIsDatedByTheClockOfTheRun)
{
    struct Row
    {
        const char* name;
        std::optional<LocalDateTime> now;
        const char* expected; // the end of the information dictionary
    };
    const Row rows[] = {
        { "Japan", LocalDateTime { 2026, 12, 9, 14, 30, 5, 540 }, "/CreationDate(D:20261209143005+09'00')>>" },
        { "west of Greenwich", LocalDateTime { 2027, 1, 2, 3, 4, 5, -210 },
          "/CreationDate(D:20270102030405-03'30')>>" },
        { "no time known", std::nullopt, "/Producer(Vantolex)>>" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ClockFixed clock(row.now);
        testing::MemorySink sink;
        PdfDevice device(sheetCapabilities(SheetFormat {}), pdfSheetOf(SheetFormat {}), sink, clock);
        ASSERT_EQ(device.startDoc(u"dated.txt - Vantolex"), 1);
        ASSERT_EQ(device.endDoc(), 1);
        EXPECT_NE(sink.bytes.find(row.expected), std::string::npos) << sink.bytes;
        EXPECT_EQ(row.now.has_value(), sink.bytes.find("/CreationDate") != std::string::npos);
    }
}

TEST(PdfWriter, TextReadsBackExactlyAcrossAndInContentOrderDown)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    SKIP_WITHOUT_PDFTOTEXT();
    const auto folder = scratchFolder("pdf-writer-text");
    std::string expected;
    for (const auto& line : sampleLines) {
        expected += toUtf8(line) + "\n";
    }
    writePdf(folder / "across.pdf", onCells(u"IPAGothic", -100, 50, false), sampleLines);
    EXPECT_EQ(testing::pdfText(folder / "across.pdf"), expected + "\n\f");

    // Vertically pdftotext reports upright characters one by one and leaves out the spaces: the characters
    // without the white space.
    writePdf(folder / "down.pdf", onCells(u"IPAGothic", -100, 50, true), sampleLines);
    auto raw = runTool(VANTOLEX_PDFTOTEXT, "-enc UTF-8 -raw", folder / "down.pdf", "-");
    ASSERT_TRUE(raw);
    const auto white = [](char c) { return c == '\n' || c == '\f' || c == ' '; };
    std::erase_if(*raw, white);
    std::erase_if(expected, white);
    EXPECT_EQ(*raw, expected);
}

TEST(PdfWriter, CharacterThatNoFaceHasIsTheMissingGlyphCountedAndKeepsItsText)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    SKIP_WITHOUT_PDFTOTEXT();
    const auto pdf = scratchFolder("pdf-writer-missing") / "missing.pdf";
    {
        auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
        // U+0378 is unassigned: no face has a glyph for it.
        drawPage(*device, onCells(u"IPAGothic", -100, 50, false), { u"a\u0378b\u0378" });
        EXPECT_EQ(device->missingGlyphs(), 2);
    }
    EXPECT_EQ(testing::pdfText(pdf), "a\u0378b\u0378\n\n\f");
}

// The box pdftotext gives each character of a line of characters separated by ideographic spaces is centred
// on the cells of the character.
TEST(PdfWriter, GlyphsAreCentredOnTheirCells)
{
    SKIP_WITHOUT_PDFTOTEXT();
    const std::u16string line = u"A　か　漢　ｱ　é　ß　€　½　¥　∑　한　。";
    const int height = 100;
    const auto folder = scratchFolder("pdf-writer-centred");
    int tried = 0;
    for (const std::u16string name : { u"IPAMincho", u"IPAGothic" }) {
        if (!isFamilyInstalled(name)) {
            continue;
        }
        for (const bool vertical : { false, true }) {
            SCOPED_TRACE(toUtf8(name) + (vertical ? " vertical" : " horizontal"));
            // Horizontally cells narrower than half the em: every glyph is condensed a little and must stay
            // centred. (pdftotext does not box condensed upright glyphs by their matrix.)
            const int pitch = vertical ? height / 2 : 48;
            const auto pdf = folder / (toUtf8(name) + (vertical ? "-v.pdf" : "-h.pdf"));
            writePdf(pdf, onCells(name, -height, pitch, vertical), { line });
            const auto words = testing::pdfWords(pdf);
            ASSERT_TRUE(words);
            ASSERT_EQ(words->size(), (line.size() + 1) / 2);
            for (std::size_t k = 0; k < words->size(); ++k) {
                const char16_t c = line[2 * k];
                SCOPED_TRACE(toUtf8(std::u16string(1, c)));
                testing::PdfWord box = (*words)[k];
                EXPECT_EQ(box.text, toUtf8(std::u16string(1, c)));
                const double centre = border
                    + (300 + cellsOf(std::u16string_view(line).substr(0, 2 * k)) * pitch
                       + cellsOf({ &c, 1 }) * pitch / 2.0)
                        * pointsPerPixel;
                if (vertical) {
                    if (standsUpright(c)) {
                        box = testing::uprightEmBox(box, height * pointsPerPixel);
                        EXPECT_NEAR(box.xMax, border + 4000 * pointsPerPixel, 0.02);
                    }
                    EXPECT_NEAR((box.yMin + box.yMax) / 2, centre, 0.02);
                } else {
                    EXPECT_NEAR((box.xMin + box.xMax) / 2, centre, 0.02);
                }
            }
            ++tried;
        }
    }
    if (tried == 0) {
        GTEST_SKIP() << "neither IPA face is installed";
    }
}

// A page rendered by pdftoppm at `dpi` in grey, one byte per pixel, with its width.
struct Grey
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

Grey render(const std::filesystem::path& pdf, int dpi)
{
    const auto prefix = pdf.parent_path() / (pdf.stem().string() + "-page");
    runTool(VANTOLEX_PDFTOPPM, "-r " + std::to_string(dpi) + " -gray -png -singlefile", pdf, prefix.string());
    handles::SurfacePtr image(cairo_image_surface_create_from_png((prefix.string() + ".png").c_str()));
    Grey grey;
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) {
        return grey;
    }
    grey.width = cairo_image_surface_get_width(image.get());
    grey.height = cairo_image_surface_get_height(image.get());
    const unsigned char* data = cairo_image_surface_get_data(image.get());
    const int stride = cairo_image_surface_get_stride(image.get());
    for (int y = 0; y < grey.height; ++y) {
        for (int x = 0; x < grey.width; ++x) {
            grey.pixels.push_back(data[y * stride + 4 * x + 1]); // green of a grey pixel
        }
    }
    return grey;
}

TEST(PdfWriter, RendersLikeTheCairoPath)
{
    SKIP_WITHOUT(VANTOLEX_PDFTOPPM);
    const auto folder = scratchFolder("pdf-writer-render");
    int tried = 0;
    for (const std::u16string name : { u"IPAMincho", u"IPAGothic" }) {
        if (!isFamilyInstalled(name)) {
            continue;
        }
        for (const bool vertical : { false, true }) {
            SCOPED_TRACE(toUtf8(name) + (vertical ? " vertical" : " horizontal"));
            // Cells narrower than half the em: every glyph is condensed a little.
            const auto description = onCells(name, -100, 48, vertical);
            const auto ours = folder / (toUtf8(name) + (vertical ? "-v" : "-h") + "-ours.pdf");
            const auto cairo = folder / (toUtf8(name) + (vertical ? "-v" : "-h") + "-cairo.pdf");
            // With clusters shaped as a whole: kana with a combining mark, e with a combining acute, a kanji
            // with a variation selector.
            std::vector<std::u16string> lines = sampleLines;
            lines.push_back(u"か\u309Ae\u0301葛\uFE00終");
            writePdf(ours, description, lines);
            {
                FileByteSink sink(cairo);
                CairoStreamDevice device(VectorFormat::Pdf, SheetFormat {}, sink);
                drawPage(device, description, lines);
            }
            const Grey a = render(ours, 150);
            const Grey b = render(cairo, 150);
            ASSERT_GT(a.width, 0);
            ASSERT_EQ(a.width, b.width);
            ASSERT_EQ(a.height, b.height);
            // Antialiasing may differ at the edges of strokes; a glyph out of place differs in whole strokes.
            int ink = 0;
            int different = 0;
            for (std::size_t i = 0; i < a.pixels.size(); ++i) {
                ink += (a.pixels[i] < 128 || b.pixels[i] < 128) ? 1 : 0;
                different += std::abs(a.pixels[i] - b.pixels[i]) > 96 ? 1 : 0;
            }
            EXPECT_GT(ink, 2000);
            EXPECT_LT(different, ink / 100) << different << " of " << ink << " ink pixels differ";
            ++tried;
        }
    }
    if (tried == 0) {
        GTEST_SKIP() << "neither IPA face is installed";
    }
}

} // namespace
} // namespace vantolex
