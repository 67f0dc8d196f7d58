// What the application printer asks of the spooler, so that it can be tried without one. The spooler's
// implementation is CupsPrinterServices.
#pragma once

#include <memory>
#include <optional>

#include "layout/Device.h"
#include "spool/PrinterSelection.h"

namespace vantolex {

class PrinterServices
{
public:
    virtual ~PrinterServices() = default;

    // The system's default destination, without any dialog; none when no printer is installed.
    virtual std::optional<PrinterSelection> defaultPrinter() = 0;

    // A device drawing on `printer`, owned by the caller; null when the printer cannot be used.
    virtual std::unique_ptr<Device> openPrinter(const PrinterSelection& printer) = 0;
};

} // namespace vantolex
