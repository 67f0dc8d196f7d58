// The printer services on the spooler: the default destination of CUPS, and printer devices on its
// destinations.
#pragma once

#include "layout/Clock.h"
#include "spool/PrinterServices.h"

namespace vantolex {

class CupsPrinterServices : public PrinterServices
{
public:
    // The documents of its printers are dated by `clock`, which must outlive the services.
    explicit CupsPrinterServices(const Clock& clock)
        : m_clock(clock)
    {
    }

    std::optional<PrinterSelection> defaultPrinter() override;
    // Null when the spooler does not know the destination or tells no page for it.
    std::unique_ptr<Device> openPrinter(const PrinterSelection& printer) override;

private:
    const Clock& m_clock;
};

} // namespace vantolex
