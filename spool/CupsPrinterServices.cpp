#include "spool/CupsPrinterServices.h"

#include "spool/CupsDestination.h"
#include "spool/PrinterDevice.h"

namespace vantolex {

std::optional<PrinterSelection> CupsPrinterServices::defaultPrinter()
{
    return vantolex::defaultPrinter();
}

std::unique_ptr<Device> CupsPrinterServices::openPrinter(const PrinterSelection& printer)
{
    const std::optional<PrinterPage> page = printerPage(printer);
    if (!page)
        return nullptr;
    return std::make_unique<PrinterDevice>(printer, *page, m_clock);
}

} // namespace vantolex
