#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/FileDevices.h"
#include "base/Utf16.h"
#include "render/cairo/CairoFileDevices.h"
#include "render/cairo/CairoHandles.h"
#include "render/fonts/FontFamilies.h"
#include "support/FaceDescription.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

using testing::pdfText;
using testing::pdfWords;
using testing::scratchFolder;

using testing::face;

std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string withoutWhiteSpace(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f' || c == '\r'; });
    return text;
}

// Draws each of `lines` on a page of its own of a PDF.
void writePdf(const std::filesystem::path& pdf, const FontDescription& description,
              const std::vector<std::u16string>& lines)
{
    auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
    ASSERT_EQ(device->startDoc(u"sample.txt - Vantolex"), 1);
    auto font = device->createFont(description);
    ASSERT_NE(font, nullptr);
    const bool vertical = description.escapement == 2700;
    for (const auto& line : lines) {
        ASSERT_EQ(device->startPage(), 1);
        if (vertical) {
            device->textOut(*font, 4000, 300, line);
        } else {
            device->textOut(*font, 300, 300, line);
        }
        ASSERT_EQ(device->endPage(), 1);
    }
    ASSERT_EQ(device->endDoc(), 1);
}

TEST(PdfFileDevice, TextReadsBackAsDrawnHorizontal)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_PDFTOTEXT();
    const auto pdf = scratchFolder("pdf-horizontal") / "out.pdf";
    writePdf(pdf, face(u"ＭＳ 明朝", -100), { u"吾輩は猫である。名前はまだ無い。", u"Plain ASCII & more 123" });
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("吾輩は猫である。名前はまだ無い。"), std::string::npos) << *text;
    EXPECT_NE(text->find("Plain ASCII & more 123"), std::string::npos) << *text;
}

TEST(PdfFileDevice, TextReadsBackAsDrawnVertical)
{
    SKIP_WITHOUT_FAMILY(u"IPAMincho");
    SKIP_WITHOUT_PDFTOTEXT();
    const auto pdf = scratchFolder("pdf-vertical") / "out.pdf";
    writePdf(pdf, face(u"@ＭＳ 明朝", -100, 2700), { u"縦書きの「テスト」です", u"二行目ー〜" });
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    // pdftotext reports each upright character of a vertical line as a line of its own.
    const std::string flat = withoutWhiteSpace(*text);
    EXPECT_NE(flat.find("縦書きの「テスト」です"), std::string::npos) << *text;
    EXPECT_NE(flat.find("二行目ー〜"), std::string::npos) << *text;
}

TEST(PdfFileDevice, VerticalLineRunsDownFromItsPointWithTheGlyphsLeftOfIt)
{
    SKIP_WITHOUT_FAMILY(u"IPAGothic");
    SKIP_WITHOUT_PDFTOTEXT();
    const auto pdf = scratchFolder("pdf-vertical-place") / "out.pdf";
    // An ideographic space between the two, so that pdftotext reports them as two words.
    writePdf(pdf, face(u"@IPAGothic", -100, 2700), { u"縦　書" });
    const auto words = pdfWords(pdf);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 2u);
    const double pointsPerPixel = 72.0 / 600;
    const double border = 5 * 72 / 25.4;
    const auto first = testing::uprightEmBox((*words)[0], 100 * pointsPerPixel);
    const auto second = testing::uprightEmBox((*words)[1], 100 * pointsPerPixel);
    // Line drawn at (4000, 300): first character in the em box left of x = 4000, from y = 300 downward.
    EXPECT_NEAR(first.xMax, border + 4000 * pointsPerPixel, 0.05);
    EXPECT_NEAR(first.xMin, border + 3900 * pointsPerPixel, 0.05);
    EXPECT_NEAR(first.yMin, border + 300 * pointsPerPixel, 0.05);
    EXPECT_NEAR(second.yMin, border + 500 * pointsPerPixel, 0.05);
    EXPECT_EQ((*words)[0].text, "縦");
    EXPECT_EQ((*words)[1].text, "書");
}

TEST(PdfFileDevice, JobNameIsTheDocumentTitle)
{
    SKIP_WITHOUT_PDFTOTEXT();
    const auto pdf = scratchFolder("pdf-title") / "out.pdf";
    auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
    ASSERT_EQ(device->startDoc(u"メモ.txt - Vantolex"), 1);
    ASSERT_EQ(device->startPage(), 1);
    ASSERT_EQ(device->endPage(), 1);
    ASSERT_EQ(device->startPage(), 1);
    ASSERT_EQ(device->endPage(), 1);
    ASSERT_EQ(device->endDoc(), 1);
    const auto info = testing::runTool(VANTOLEX_PDFINFO, "-enc UTF-8", pdf);
    ASSERT_TRUE(info);
    EXPECT_NE(info->find("Title:           メモ.txt - Vantolex"), std::string::npos) << *info;
    EXPECT_NE(info->find("Pages:           2"), std::string::npos) << *info;
    EXPECT_NE(info->find("595.276 x 841.89 pts (A4)"), std::string::npos) << *info;
}

TEST(FileDevice, FileThatCannotBeCreatedFailsTheJobStart)
{
    const auto folder = scratchFolder("file-missing-folder");
    for (FileFormat format : { FileFormat::Pdf, FileFormat::PostScript, FileFormat::Svg }) {
        auto device = createFileDevice(format, folder / "no-such-folder" / "out.pdf", SheetFormat {}, systemClock());
        EXPECT_EQ(device->startDoc(u"job"), SpoolResult::Error);
        EXPECT_EQ(device->startPage(), SpoolResult::Error);
    }
    auto png = createFileDevice(FileFormat::Png, folder / "no-such-folder" / "out.png", { 50, 50, 50, 50, 5 },
                                systemClock());
    ASSERT_EQ(png->startDoc(u"job"), 1);
    ASSERT_EQ(png->startPage(), 1);
    EXPECT_EQ(png->endPage(), SpoolResult::Error);
    EXPECT_EQ(png->failureText(),
              u"出力ファイルを作成できません: " + fromUtf8((folder / "no-such-folder").string())
                  + u"/out-0001.png\n保存先のフォルダーがありません。");
}

TEST(FileDevice, OnlyAWholeDocumentReplacesAnEarlierFile)
{
    const auto folder = scratchFolder("file-replace");
    const auto pdf = folder / "out.pdf";
    std::ofstream(pdf) << "earlier";
    auto entries = [&folder] {
        return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
    };
    {
        auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
        ASSERT_EQ(device->startDoc(u"job"), 1);
        ASSERT_EQ(device->startPage(), 1);
        EXPECT_EQ(entries(), 2); // the document is written beside the earlier file
        EXPECT_EQ(device->abortDoc(), 1);
        EXPECT_EQ(entries(), 1);
        ASSERT_EQ(device->startDoc(u"job"), 1);
        ASSERT_EQ(device->startPage(), 1);
    } // destroyed with the document open
    EXPECT_EQ(entries(), 1);
    EXPECT_EQ(contentOf(pdf), "earlier");

    auto device = createFileDevice(FileFormat::Pdf, pdf, SheetFormat {}, systemClock());
    ASSERT_EQ(device->startDoc(u"job"), 1);
    ASSERT_EQ(device->startPage(), 1);
    ASSERT_EQ(device->endPage(), 1);
    ASSERT_EQ(device->endDoc(), 1);
    EXPECT_EQ(entries(), 1);
    EXPECT_TRUE(contentOf(pdf).starts_with("%PDF-"));
}

TEST(FileDevice, AFileThatCannotBeMadeIsNamedWithTheReason)
{
    const auto folder = scratchFolder("file-failures");
    std::filesystem::create_directory(folder / "taken.pdf");
    const std::string longName(300, 'a');
    const struct
    {
        FileFormat format;
        std::filesystem::path path;
        int dpi;
        std::u16string reason;
    } rows[] = {
        { FileFormat::Pdf, folder / "taken.pdf", 72, u"同じ名前のフォルダーがあります。" },
        { FileFormat::PostScript, folder / (longName + ".ps"), 72, u"ファイル名が長すぎます。" },
        { FileFormat::Png, folder / "huge.png", 9600,
          u"画像が大きすぎます（79371×112252 ピクセル）。解像度を下げてください。" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.filename().string().substr(0, 20));
        auto device = createFileDevice(row.format, row.path, { 210, 297, row.dpi, row.dpi, 5 }, systemClock());
        EXPECT_LE(device->startDoc(u"job"), 0);
        EXPECT_EQ(device->failureText(),
                  u"出力ファイルを作成できません: " + fromUtf8(row.path.string()) + u"\n" + row.reason);
    }
}

TEST(FileDevice, FullDiskIsReportedAsOutOfDisk)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    auto device = createFileDevice(FileFormat::PostScript, "/dev/full", { 50, 50, 72, 72, 5 }, systemClock());
    ASSERT_EQ(device->startDoc(u"job"), 1);
    ASSERT_EQ(device->startPage(), 1);
    device->fillRect({ 0, 0, 10, 10 }, { 0, 0, 0 });
    const int page = device->endPage();
    const int end = page > 0 ? device->endDoc() : page;
    EXPECT_EQ(end, SpoolResult::OutOfDisk);
}

TEST(PngFileDevice, WritesOneImageOfTheSheetPerPage)
{
    const auto folder = scratchFolder("png-pages");
    const SheetFormat sheet { 50, 40, 100, 100, 5 };
    auto device = createFileDevice(FileFormat::Png, folder / "page.png", sheet, systemClock());
    EXPECT_EQ(device->capabilities(), (DeviceCaps { 157, 118, 100, 100 }));
    ASSERT_EQ(device->startDoc(u"job"), 1);
    for (int page = 1; page <= 2; ++page) {
        ASSERT_EQ(device->startPage(), 1);
        device->fillRect({ 0, 0, 10 * page, 10 }, { 0, 0, 0 });
        ASSERT_EQ(device->endPage(), 1);
    }
    ASSERT_EQ(device->endDoc(), 1);
    for (int page = 1; page <= 2; ++page) {
        const auto path = pngPagePath(folder / "page.png", page);
        EXPECT_EQ(path.filename(), "page-000" + std::to_string(page) + ".png");
        handles::SurfacePtr image(cairo_image_surface_create_from_png(path.c_str()));
        ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS) << path;
        EXPECT_EQ(cairo_image_surface_get_width(image.get()), 197); // 50 mm at 100 dpi, rounded up
        EXPECT_EQ(cairo_image_surface_get_height(image.get()), 158);
        // The page's black bar starts inside the 20-pixel border and the previous page's is gone.
        const unsigned char* data = cairo_image_surface_get_data(image.get());
        const int stride = cairo_image_surface_get_stride(image.get());
        auto isBlack = [&](int x, int y) { return data[y * stride + 4 * x + 1] < 128; };
        EXPECT_FALSE(isBlack(19, 25));
        EXPECT_TRUE(isBlack(20, 25));
        EXPECT_EQ(isBlack(20 + 10 * page - 1, 25), true);
        EXPECT_EQ(isBlack(20 + 10 * page, 25), false);
        // The resolution follows the header: 100 dpi is 3937 pixels per metre on both axes.
        std::ifstream file(path, std::ios::binary);
        std::string bytes(64, '\0');
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_EQ(bytes.substr(33, 17), std::string("\0\0\0\x09pHYs\0\0\x0F\x61\0\0\x0F\x61\x01", 17));
    }
    EXPECT_FALSE(std::filesystem::exists(pngPagePath(folder / "page.png", 3)));
    EXPECT_EQ(pngPagePath(folder / "page.png", 12345).filename(), "page-12345.png");
}

} // namespace
} // namespace vantolex
