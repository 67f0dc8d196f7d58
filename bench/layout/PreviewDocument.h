// A generated Japanese document laid out for the preview, as a preview run lays it out: on the printer's
// grid (an A4 printer at 600 dpi with a 5 mm border), through the preview output, into a page store.
#pragma once

#include <memory>
#include <string>

#include "bench/layout/SampleText.h"
#include "layout/PreviewFactory.h"
#include "layout/SheetFormat.h"
#include "render/cairo/CairoImageDevice.h"

namespace vantolex {

struct PreviewDocument final : PreviewDisplay
{
    std::unique_ptr<PageStore> store;
    PageLayout layout;

    void showPages(std::unique_ptr<PageStore> pages, const PageLayout& pageLayout) override
    {
        store = std::move(pages);
        layout = pageLayout;
    }
    void closeWindow() override { }
};

// At least `pages` pages of sample text in long source lines, so that wrapping fills every display line
// to its last cell. The settings must hold a font.
inline void layOutSample(PreviewDocument& document, const PrintSettings& settings, int pages,
                         std::u16string_view title = u"/home/user/文書/サンプル.txt")
{
    PreviewFactory factory([] { return std::make_unique<CairoImageDevice>(1, 1, sheetCapabilities(SheetFormat {})); },
                           document, systemClock());
    std::unique_ptr<Output> output = factory.createOutput(settings, title);
    const std::vector<std::u16string> pieces = sampleLines(400);
    int number = 0;
    try {
        while (output->page() <= pages) {
            std::u16string line;
            for (int k = 0; k < 20; ++k)
                line += pieces[static_cast<std::size_t>((number * 20 + k) % static_cast<int>(pieces.size()))];
            output->putLine(++number, line);
        }
    } catch (const NotifyEndOutput&) {
    }
    output->finish();
}

} // namespace vantolex
