#include "filter/StandardOutputPrinter.h"

#include "filter/FilterMessages.h"
#include "layout/StreamByteSink.h"
#include "render/pdf/PdfDevice.h"
#include "spool/PrinterDevice.h"

namespace vantolex {

namespace {

// Holds the sink ahead of the device that writes to it, so that it is made first and destroyed last.
struct StandardOutputSinkHolder
{
    explicit StandardOutputSinkHolder(std::ostream& out)
        : sink(out, std::u16string(filterText::standardOutputNotWritten))
    {
    }
    StreamByteSink sink;
};

class StandardOutputPdfDevice final : private StandardOutputSinkHolder, public PdfDevice
{
public:
    StandardOutputPdfDevice(const PrinterPage& page, std::ostream& out, const Clock& clock)
        : StandardOutputSinkHolder(out)
        , PdfDevice(page.caps, printerSheet(page), sink, clock)
    {
    }
};

} // namespace

std::unique_ptr<Device> StandardOutputPrinter::choosePrinter()
{
    return std::make_unique<StandardOutputPdfDevice>(m_page, m_out, m_clock);
}

} // namespace vantolex
