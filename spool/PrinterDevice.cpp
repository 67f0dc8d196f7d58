#include "layout/device/PrinterDevice.h"

#include <algorithm>
#include <span>
#include <utility>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "layout/LayoutMessages.h"
#include "layout/device/Device.h"

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
    m_refusal.reset();
    m_orderlyStop.emplace();
    const int started = m_job.start(m_printer, toUtf8(jobName));
    if (started <= 0) {
        m_orderlyStop.reset();
        m_refusal = jobRefusalOf(m_printer.destination);
    }
    return started;
}

int PrintJobSink::write(const unsigned char* data, std::size_t size)
{
    if (interruptingSignal() != 0)
        return SpoolResult::AppAbort;
    return m_job.write(std::span(reinterpret_cast<const char*>(data), size));
}

int PrintJobSink::endPage()
{
    return m_job.poll(); // a job the user deleted has been dropped
}

int PrintJobSink::close()
{
    const int finished = m_job.finish();
    m_orderlyStop.reset();
    return finished;
}

void PrintJobSink::abandon() noexcept
{
    (void)m_job.cancel();
    m_orderlyStop.reset();
}

std::u16string PrintJobSink::failureText() const
{
    if (!m_refusal)
        return {};
    const std::u16string destination = fromUtf8(m_printer.destination);
    if (m_refusal->reason.empty())
        return formatText(layoutText::printerNotAcceptingJobs, { std::u16string_view(destination) });
    const std::u16string reason = fromUtf8(m_refusal->reason);
    return formatText(layoutText::printerNotAcceptingJobsBecause,
                      { std::u16string_view(destination), std::u16string_view(reason) });
}

} // namespace vantolex
