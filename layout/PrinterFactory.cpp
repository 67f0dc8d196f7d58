#include "layout/PrinterFactory.h"

#include "layout/OutputPrinter.h"
#include "layout/OutputPrinterBuffered.h"
#include "layout/TemplateParser.h"

namespace vantolex {

std::unique_ptr<Output> PrinterFactory::createOutput(const PrintSettings& settings, std::u16string_view title)
{
    std::unique_ptr<Device> printer = m_chooser.choosePrinter();
    if (!printer)
        return nullptr;
    if (needsTotalPages(settings))
        return std::make_unique<OutputPrinterBuffered>(std::move(printer), settings, title, m_clock);
    return std::make_unique<OutputPrinter>(std::move(printer), settings, title, m_clock);
}

} // namespace vantolex
