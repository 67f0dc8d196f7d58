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
    : PdfDevice(page.caps,
                pdfSheetOf(printerPixelsToPoints(page), toPoints(page.sheetWidth), toPoints(page.sheetLength)),
                m_jobSink)
{
    m_jobSink.printer = std::move(printer);
}

PrinterDevice::~PrinterDevice()
{
    releaseDocument(); // cancels an open job while its sink is still there
}

int PrinterDevice::JobSink::open(std::u16string_view jobName)
{
    refusal.reset();
    orderlyStop.emplace();
    const int started = job.start(printer, toUtf8(jobName));
    if (started <= 0) {
        orderlyStop.reset();
        refusal = jobRefusalOf(printer.destination);
    }
    return started;
}

int PrinterDevice::JobSink::write(const unsigned char* data, std::size_t size)
{
    if (interruptingSignal() != 0)
        return SpoolResult::AppAbort;
    return job.write(std::span(reinterpret_cast<const char*>(data), size));
}

int PrinterDevice::JobSink::endPage()
{
    return job.poll(); // a job the user deleted has been dropped
}

int PrinterDevice::JobSink::close()
{
    const int finished = job.finish();
    orderlyStop.reset();
    return finished;
}

void PrinterDevice::JobSink::abandon() noexcept
{
    (void)job.cancel();
    orderlyStop.reset();
}

std::u16string PrinterDevice::JobSink::failureText() const
{
    if (!refusal)
        return {};
    const std::u16string destination = fromUtf8(printer.destination);
    if (refusal->reason.empty())
        return formatText(layoutText::printerNotAcceptingJobs, { std::u16string_view(destination) });
    const std::u16string reason = fromUtf8(refusal->reason);
    return formatText(layoutText::printerNotAcceptingJobsBecause,
                      { std::u16string_view(destination), std::u16string_view(reason) });
}

} // namespace vantolex
