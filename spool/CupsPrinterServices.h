// The printer services on the spooler: the default destination of CUPS, and printer devices on its
// destinations.
#pragma once

#include "layout/device/PrinterServices.h"

namespace vantolex {

class CupsPrinterServices : public PrinterServices
{
public:
    std::optional<PrinterSelection> defaultPrinter() override;
    // Null when the spooler does not know the destination or tells no page for it.
    std::unique_ptr<Device> openPrinter(const PrinterSelection& printer) override;
};

} // namespace vantolex
