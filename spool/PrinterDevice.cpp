#include "spool/PrinterDevice.h"

#include <algorithm>
#include <span>
#include <utility>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "layout/Device.h"
#include "spool/SpoolMessages.h"

namespace vantolex {

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double hundredthsOfMillimetrePerInch = 2540.0;

double toPoints(int hundredthsOfMillimetre)
{
    return hundredthsOfMillimetre * pointsPerInch / hundredthsOfMillimetrePerInch;
}

} // namespace

PdfSheet printerSheet(const PrinterPage& page)
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

PrinterDevice::PrinterDevice(PrinterSelection printer, const PrinterPage& page, const Clock& clock)
    : PrintJobSinkHolder(std::move(printer))
    , PdfDevice(page.caps, printerSheet(page), jobSink, clock)
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
        return formatText(spoolText::printerNotAcceptingJobs, { std::u16string_view(destination) });
    const std::u16string reason = fromUtf8(m_refusal->reason);
    return formatText(spoolText::printerNotAcceptingJobsBecause,
                      { std::u16string_view(destination), std::u16string_view(reason) });
}

} // namespace vantolex
