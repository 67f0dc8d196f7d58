#include "layout/PreviewFactory.h"

#include <string>

#include "base/Errors.h"
#include "layout/LayoutMessages.h"
#include "layout/OutputPreview.h"

namespace vantolex {

std::unique_ptr<Output> PreviewFactory::createOutput(const PrintSettings& settings, std::u16string_view title)
{
    std::unique_ptr<Device> printer = m_printer ? m_printer() : nullptr;
    if (!printer) {
        throw Warning(std::u16string(layoutText::printerUnavailable));
    }
    return std::make_unique<OutputPreview>(std::move(printer), settings, title, m_display, m_clock);
}

} // namespace vantolex
