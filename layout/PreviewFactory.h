// The factory of preview outputs: lays the preview out on the chosen printer without asking for one.
#pragma once

#include <functional>
#include <memory>

#include "layout/Clock.h"
#include "layout/Output.h"
#include "layout/PreviewDisplay.h"

namespace vantolex {

// A new device for the chosen printer (the system's default one when none was chosen yet), or null when
// there is no printer at all. The application printer supplies it.
using PrinterDeviceSource = std::function<std::unique_ptr<Device>()>;

class PreviewFactory : public OutputFactory
{
public:
    // `display` (the main dialog's preview window) must outlive the factory and its outputs.
    PreviewFactory(PrinterDeviceSource printer, PreviewDisplay& display, const Clock& clock)
        : m_printer(std::move(printer))
        , m_display(display)
        , m_clock(clock)
    {
    }

    // An OutputPreview on the chosen printer. Throws Warning layoutText::printerUnavailable without a
    // printer, and the layout's warnings. Never returns null.
    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) override;

private:
    PrinterDeviceSource m_printer;
    PreviewDisplay& m_display;
    const Clock& m_clock;
};

} // namespace vantolex
