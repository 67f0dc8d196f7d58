#include "layout/device/PrinterDevice.h"

#include <algorithm>
#include <span>
#include <utility>

#include "base/Utf16.h"

namespace vantolex {

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double hundredthsOfMillimetrePerInch = 2540.0;

double toPoints(int hundredthsOfMillimetre)
{
    return hundredthsOfMillimetre * pointsPerInch / hundredthsOfMillimetrePerInch;
}

// Device pixels (origin at the corner of the printable area) to points of the whole sheet.
cairo_matrix_t printerPixelsToPoints(const PrinterPage& page)
{
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, pointsPerInch / std::max(1, page.caps.dpiX), 0, 0,
                      pointsPerInch / std::max(1, page.caps.dpiY), toPoints(page.marginLeft), toPoints(page.marginTop));
    return matrix;
}

} // namespace

PrinterDevice::PrinterDevice(PrinterSelection printer, const PrinterPage& page)
    : PrintJobSinkHolder(std::move(printer))
    , PdfDevice(page.caps,
                pdfSheetOf(printerPixelsToPoints(page), toPoints(page.sheetWidth), toPoints(page.sheetLength)), jobSink)
{
}

int PrintJobSink::open(std::u16string_view jobName)
{
    return m_job.start(m_printer, toUtf8(jobName));
}

int PrintJobSink::write(const unsigned char* data, std::size_t size)
{
    return m_job.write(std::span(reinterpret_cast<const char*>(data), size));
}

int PrintJobSink::endPage()
{
    return m_job.poll(); // a job the user deleted has been dropped
}

int PrintJobSink::close()
{
    return m_job.finish();
}

void PrintJobSink::abandon() noexcept
{
    (void)m_job.cancel();
}

} // namespace vantolex
