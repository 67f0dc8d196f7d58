// Renders sample pages to PNG (one file per page) for a person to look at: horizontal and vertical writing,
// one and three columns, header and footer, line numbers, column separators.
//
// Usage: vantolex_sample_pages FOLDER [pdf]   (PNG pages at 150 dpi, or one PDF per sample)
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/FileDevices.h"
#include "base/Errors.h"
#include "base/Utf16.h"
#include "bench/layout/DrawingOutput.h"
#include "bench/layout/SampleText.h"
#include "render/fonts/FontCatalogue.h"

using namespace vantolex;

namespace {

struct Sample
{
    const char* name;
    bool vertical;
    int columns;
    int charsPerLine;
    int lineNumberInterval;
    bool headerFooter;
    std::u16string fontName;
    int lines;
};

void render(const Sample& sample, const std::filesystem::path& folder, FontCatalogue& catalogue, bool pdf)
{
    PrintSettings settings;
    settings.vertical = sample.vertical;
    settings.columns = sample.columns;
    settings.charsPerLine = sample.charsPerLine;
    settings.lineNumberInterval = sample.lineNumberInterval;
    settings.columnSeparator = sample.columns > 1;
    settings.fontName = sample.fontName;
    if (sample.headerFooter) {
        settings.useHeaderFooter = true;
        settings.headerLeft = u"&f";
        settings.headerRight = u"&d &t";
        settings.footerCenter = u"- &p / &P -";
    } else {
        settings.showFileName = true;
        settings.showPageNumber = true;
    }
    auto choice = catalogue.selectFont(settings.proportional, settings.vertical, settings.language, settings.fontName);
    settings.fontDescriptor = choice.description;
    std::printf("%s: %s\n", sample.name, toUtf8(choice.fontName).c_str());

    auto device = createFileDevice(pdf ? FileFormat::Pdf : FileFormat::Png,
                                   folder / (std::string(sample.name) + (pdf ? ".pdf" : ".png")),
                                   SheetFormat { 210, 297, 150, 150, 5 }, systemClock());
    try {
        DrawingOutput output(*device, settings, u"/home/user/文書/サンプル.txt");
        int number = 0;
        for (const auto& line : sampleLines(sample.lines)) {
            output.putLine(++number, line);
        }
        output.finish();
    } catch (const Exception& failure) {
        std::printf("  %s\n", toUtf8(failure.message).c_str());
    } catch (const NotifyEndOutput&) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "pdf")) {
        std::fprintf(stderr, "usage: vantolex_sample_pages FOLDER [pdf]\n");
        return 64;
    }
    const bool pdf = argc == 3;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    FontCatalogue catalogue;
    const Sample samples[] = {
        { "horizontal-1col", false, 1, 60, 5, true, u"ＭＳ 明朝", 30 },
        { "horizontal-3col", false, 3, 40, 10, false, u"IPAゴシック", 120 },
        { "vertical-1col", true, 1, 40, 5, true, u"@ＭＳ 明朝", 30 },
        { "vertical-3col", true, 3, 30, 1, true, u"@Noto Sans Mono CJK JP", 120 },
    };
    for (const Sample& sample : samples) {
        render(sample, folder, catalogue, pdf);
    }
    return 0;
}
