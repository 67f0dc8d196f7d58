#include "filter/StandardOutputPrinter.h"

#include <algorithm>

#include "filter/FilterMessages.h"
#include "layout/StreamByteSink.h"
#include "render/pdf/PdfDevice.h"

namespace vantolex {

namespace {

constexpr double pointsPerInch = 72.0;

double toPoints(int hundredthsOfMillimetre)
{
    return hundredthsOfMillimetre * pointsPerInch / 2540.0;
}

// The sheet, and the printable area at the corner of the printer's margins.
PdfSheet sheetOf(const PrinterPage& page)
{
    PdfSheet sheet;
    sheet.widthPoints = toPoints(page.sheetWidth);
    sheet.heightPoints = toPoints(page.sheetLength);
    sheet.pointsPerPixelX = pointsPerInch / std::max(1, page.caps.dpiX);
    sheet.pointsPerPixelY = pointsPerInch / std::max(1, page.caps.dpiY);
    sheet.originLeftPoints = toPoints(page.marginLeft);
    sheet.originTopPoints = toPoints(page.marginTop);
    return sheet;
}

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
        , PdfDevice(page.caps, sheetOf(page), sink, clock)
    {
    }
};

} // namespace

std::unique_ptr<Device> StandardOutputPrinter::choosePrinter()
{
    return std::make_unique<StandardOutputPdfDevice>(m_page, m_out, m_clock);
}

} // namespace vantolex
