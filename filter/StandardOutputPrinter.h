// The printer of vantolex-texttopdf: our PDF writer streaming the document to standard output, where the
// spooler's next filter reads it, on the queue's page.
#pragma once

#include <memory>
#include <ostream>

#include "layout/Clock.h"
#include "layout/PrinterFactory.h"
#include "spool/CupsDestination.h"

namespace vantolex {

class StandardOutputPrinter final : public PrinterChooser
{
public:
    // Pages of `page` written to `out`, dated by `clock`; both must outlive the devices made.
    StandardOutputPrinter(const PrinterPage& page, std::ostream& out, const Clock& clock)
        : m_page(page)
        , m_out(out)
        , m_clock(clock)
    {
    }

    std::unique_ptr<Device> choosePrinter() override;

private:
    PrinterPage m_page;
    std::ostream& m_out;
    const Clock& m_clock;
};

} // namespace vantolex
