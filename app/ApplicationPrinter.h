// The printer that the whole process prints on: the one chosen last, by the print dialog, the page setup or
// the fall-back to the system's default destination. The choice lives as long as the process and is not
// saved. The application object owns the one instance.
#pragma once

#include <memory>
#include <optional>

#include "layout/Device.h"
#include "spool/PrinterSelection.h"
#include "spool/PrinterServices.h"

namespace vantolex {

class ApplicationPrinter
{
public:
    // `services` must outlive the application printer.
    explicit ApplicationPrinter(PrinterServices& services)
        : m_services(services)
    {
    }

    // Makes `printer` the chosen printer, destination and options together, replacing the previous choice
    // as a whole (its options are not merged into the new ones).
    void adoptPrinter(PrinterSelection printer);

    // The chosen printer; none before any choice.
    const std::optional<PrinterSelection>& chosenPrinter() const noexcept { return m_chosen; }

    // A new device for the chosen printer, owned by the caller. Without a chosen printer, the system's
    // default destination becomes the chosen printer first. Null when there is no printer at all or the
    // printer cannot be used.
    std::unique_ptr<Device> getPrinterDC();

private:
    PrinterServices& m_services;
    std::optional<PrinterSelection> m_chosen;
};

} // namespace vantolex
