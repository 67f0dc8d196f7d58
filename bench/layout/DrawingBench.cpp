// Pages per second drawn to PDF through the canvas, for a dense Japanese page: A4 at 600 dpi with the
// default settings (2 columns of 96 cells, 119 lines each, IPA Mincho), every line full; horizontal and
// vertical writing, by our PDF writer and, for comparison, by Cairo's PDF surface drawing the same glyphs.
// Also the PDF size per page. The PDF goes to a sink that counts and discards it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/UnicodeTables.h"
#include "bench/layout/SampleText.h"
#include "layout/Canvas.h"
#include "render/cairo/CairoStreamDevice.h"
#include "render/fonts/FontCatalogue.h"
#include "render/pdf/PdfDevice.h"

namespace {

using namespace vantolex;

class CountingSink final : public ByteSink
{
public:
    long long bytes = 0;
    int open(std::u16string_view) override { return 1; }
    int write(const unsigned char*, std::size_t size) override
    {
        bytes += static_cast<long long>(size);
        return 1;
    }
    int close() override { return 1; }
    void abandon() noexcept override { }
};

// Display lines of exactly `cells` half-width cells cut from the sample text.
std::vector<std::u16string> fullLines(int cells, int count)
{
    std::u16string text;
    for (const auto& line : sampleLines(count * 4)) {
        text += line;
    }
    std::vector<std::u16string> lines;
    std::size_t at = 0;
    while (static_cast<int>(lines.size()) < count) {
        std::u16string line;
        int used = 0;
        while (at < text.size()) {
            const int width = isDoubleWidth(text[at]) ? 2 : 1;
            if (used + width > cells) {
                break;
            }
            line += text[at++];
            used += width;
        }
        line.append(static_cast<std::size_t>(cells - used), u' ');
        lines.push_back(std::move(line));
    }
    return lines;
}

void drawPages(benchmark::State& state, bool vertical, bool ourWriter)
{
    FontCatalogue catalogue;
    PrintSettings settings;
    settings.vertical = vertical;
    settings.columnSeparator = true;
    settings.showPageNumber = true;
    const auto choice = catalogue.selectFont(false, vertical, u"日本語", vertical ? u"@ＭＳ 明朝" : u"ＭＳ 明朝");
    settings.fontDescriptor = choice.description;

    CountingSink sink;
    std::unique_ptr<Device> devicePointer;
    if (ourWriter) {
        devicePointer = std::make_unique<PdfDevice>(sheetCapabilities(SheetFormat {}), pdfSheetOf(SheetFormat {}), sink,
                                                    systemClock());
    } else {
        devicePointer = std::make_unique<CairoStreamDevice>(VectorFormat::Pdf, SheetFormat {}, sink);
    }
    Device& device = *devicePointer;
    const PageLayout layout = computeLayout(device, settings, u"bench.txt", systemClock());
    const auto lines = fullLines(layout.cellsPerLine, 2 * layout.columnLines);

    long long pages = 0;
    device.startDoc(u"bench - Vantolex");
    {
        Canvas canvas(device, layout);
        for (auto _ : state) {
            device.startPage();
            canvas.beginPage(static_cast<int>(pages) + 1);
            for (int column = 0; column < 2; ++column) {
                for (int line = 0; line < layout.columnLines; ++line) {
                    canvas.drawLine(column, line, lines[static_cast<std::size_t>(column * layout.columnLines + line)]);
                }
            }
            device.endPage();
            ++pages;
        }
    }
    device.endDoc();
    state.SetItemsProcessed(pages);
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
    state.counters["lines/page"] = 2.0 * layout.columnLines;
    state.counters["cells/line"] = layout.cellsPerLine;
    state.counters["PDF KiB/page"] = static_cast<double>(sink.bytes) / 1024.0 / static_cast<double>(pages);
}

void BM_DensePageToPdfHorizontal(benchmark::State& state)
{
    drawPages(state, false, true);
}

void BM_DensePageToPdfVertical(benchmark::State& state)
{
    drawPages(state, true, true);
}

void BM_DensePageToCairoPdfHorizontal(benchmark::State& state)
{
    drawPages(state, false, false);
}

void BM_DensePageToCairoPdfVertical(benchmark::State& state)
{
    drawPages(state, true, false);
}

BENCHMARK(BM_DensePageToPdfHorizontal)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_DensePageToPdfVertical)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_DensePageToCairoPdfHorizontal)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_DensePageToCairoPdfVertical)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
