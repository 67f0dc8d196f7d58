#include "layout/OutputPreview.h"

#include <cassert>

namespace vantolex {

OutputPreview::OutputPreview(std::unique_ptr<Device> printer, const PrintSettings& settings, std::u16string_view title,
                             PreviewDisplay& display, const Clock& clock)
    : OutputBuffered(std::move(printer), settings, title, clock)
    , m_display(display)
{
}

void OutputPreview::finish()
{
    assert(pageStore());
    completePages();
    m_display.showPages(releasePageStore(), layout());
}

void OutputPreview::abort()
{
    m_display.closeWindow();
}

} // namespace vantolex
