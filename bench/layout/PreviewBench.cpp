// Turning to the next page of the preview in the whole-page view: one dense page (the default settings, 2
// columns of 96 cells, about 120 lines each, every line full, IPA Mincho) drawn through the canvas onto the
// screen image, fitted into a page area of 800 × 1000 pixels; horizontal and vertical writing, at 1 and 2
// device pixels per screen pixel. The zoomed view draws its whole sheet once per page as well.
#include <benchmark/benchmark.h>

#include "bench/layout/PreviewDocument.h"
#include "render/cairo/PreviewPage.h"
#include "render/fonts/FontCatalogue.h"

namespace {

using namespace vantolex;

constexpr int documentPages = 20;

const PreviewDocument& document(bool vertical)
{
    static PreviewDocument documents[2];
    PreviewDocument& chosen = documents[vertical ? 1 : 0];
    if (!chosen.store) {
        FontCatalogue catalogue;
        PrintSettings settings;
        settings.vertical = vertical;
        settings.columnSeparator = true;
        settings.showPageNumber = true;
        settings.fontDescriptor
            = catalogue.selectFont(false, vertical, settings.language, vertical ? u"@ＭＳ 明朝" : u"ＭＳ 明朝")
                  .description;
        layOutSample(chosen, settings, documentPages);
    }
    return chosen;
}

void turnPages(benchmark::State& state, bool vertical, bool zoomed, double pixelRatio)
{
    const PreviewDocument& pages = document(vertical);
    const ViewMapping view = zoomed ? zoomMapping(pages.layout, 0, 0) : fitMapping(pages.layout, 800, 1000);
    const SheetPart whole { 0, 0, view.sheetWidth, view.sheetHeight };
    int page = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        page = (page + 1) % (pages.store->pageCount() - 1); // the last page may be short
        lines += static_cast<std::size_t>(pages.store->pageLines(page).size());
        auto image = drawPreviewPage(*pages.store, pages.layout, page, view, whole, pixelRatio);
        benchmark::DoNotOptimize(image.pixels().data);
    }
    state.counters["lines/page"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
    state.counters["cells/line"] = pages.layout.cellsPerLine;
    state.counters["sheet px"] = view.sheetWidth * pixelRatio;
}

void BM_NextPageWholeHorizontal(benchmark::State& state)
{
    turnPages(state, false, false, 1.0);
}
void BM_NextPageWholeVertical(benchmark::State& state)
{
    turnPages(state, true, false, 1.0);
}
void BM_NextPageWholeHorizontalRatio2(benchmark::State& state)
{
    turnPages(state, false, false, 2.0);
}
void BM_NextPageWholeVerticalRatio2(benchmark::State& state)
{
    turnPages(state, true, false, 2.0);
}
void BM_NextPageZoomedHorizontal(benchmark::State& state)
{
    turnPages(state, false, true, 1.0);
}
void BM_NextPageZoomedVertical(benchmark::State& state)
{
    turnPages(state, true, true, 1.0);
}

BENCHMARK(BM_NextPageWholeHorizontal)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NextPageWholeVertical)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NextPageWholeHorizontalRatio2)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NextPageWholeVerticalRatio2)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NextPageZoomedHorizontal)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NextPageZoomedVertical)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
