#include "layout/device/CupsPrinterServices.h"

#include "layout/device/CupsDestination.h"
#include "layout/device/PrinterDevice.h"

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
    return std::make_unique<PrinterDevice>(printer, *page);
}

} // namespace vantolex
