// The factory of printer outputs: asks for a printer, then makes the direct output, or the buffered one when
// a header or footer template needs the total page count.
#pragma once

#include <memory>

#include "layout/Clock.h"
#include "layout/Output.h"

namespace vantolex {

// Where a printer comes from: the print dialog in the dialog program, the command line in vantolex-print.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;

    // The device of the chosen printer (a spooler device or a file device), or null when the user declines.
    virtual std::unique_ptr<Device> choosePrinter() = 0;
};

class PrinterFactory : public OutputFactory
{
public:
    explicit PrinterFactory(PrinterChooser& chooser, const Clock& clock)
        : m_chooser(chooser)
        , m_clock(clock)
    {
    }

    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) override;

private:
    PrinterChooser& m_chooser;
    const Clock& m_clock;
};

} // namespace vantolex
