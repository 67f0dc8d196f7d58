// The output that keeps every display line of the run in memory, page by page, so that the total page
// count is known before anything is drawn. The preview output and the buffered printer output derive
// from it and give finish() and abort().
#pragma once

#include <memory>
#include <string_view>

#include "layout/Output.h"
#include "layout/PageStore.h"

namespace vantolex {

class OutputBuffered : public Output
{
public:
    ~OutputBuffered() override;

    // The Output page step, then a page boundary at the current number of records.
    void newPage() override;

    bool prepareForItem() override { return true; }

    // Closes the last page (a final boundary) and sets layout().totalPages to the number of pages. Called
    // once, by finish() of the derived class, before the pages are shown or printed.
    void completePages();

    // The store, or null once it has been handed over.
    const PageStore* pageStore() const { return m_pageStore.get(); }

    // Hands the store over (to the preview window); the output keeps none afterwards and takes no more
    // lines.
    std::unique_ptr<PageStore> releasePageStore() { return std::move(m_pageStore); }

protected:
    // The Output construction, then an empty store with page 1 started.
    OutputBuffered(Device& device, const PrintSettings& settings, std::u16string_view title, const Clock& clock);
    OutputBuffered(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                   const Clock& clock);

    // Stores lineText() at column() and lineInColumn().
    void emitLine() override;

private:
    void startFirstPage();

    std::unique_ptr<PageStore> m_pageStore;
};

} // namespace vantolex
