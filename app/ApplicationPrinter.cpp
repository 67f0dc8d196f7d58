#include "app/ApplicationPrinter.h"

#include <utility>

namespace vantolex {

void ApplicationPrinter::adoptPrinter(PrinterSelection printer)
{
    m_chosen = std::move(printer);
}

std::unique_ptr<Device> ApplicationPrinter::getPrinterDC()
{
    if (!m_chosen) {
        std::optional<PrinterSelection> fallback = m_services.defaultPrinter();
        if (!fallback)
            return nullptr;
        adoptPrinter(std::move(*fallback));
    }
    return m_services.openPrinter(*m_chosen);
}

} // namespace vantolex
