#include "layout/device/PrinterDevice.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <span>
#include <utility>

#include "app/Utf16.h"
#include "layout/device/CairoStreamDevice.h"

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
    : CairoDevice(page.caps, printerPixelsToPoints(page))
    , m_printer(std::move(printer))
    , m_page(page)
{
}

PrinterDevice::~PrinterDevice()
{
    releaseDocument(); // cancels an open job while the surface can still call back
}

cairo_status_t PrinterDevice::writeToJob(void* closure, const unsigned char* data, unsigned int length)
{
    auto* device = static_cast<PrinterDevice*>(closure);
    if (!device->m_open)
        return CAIRO_STATUS_SUCCESS; // an abandoned document: its tail goes nowhere
    if (device->m_writeResult > 0)
        device->m_writeResult = device->m_job.write(std::span(reinterpret_cast<const char*>(data), length));
    return device->m_writeResult > 0 ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

int PrinterDevice::openDocument(std::u16string_view jobName)
{
    m_writeResult = 1;
    const int started = m_job.start(m_printer, toUtf8(jobName));
    if (started <= 0)
        return started;
    m_open = true;
    handles::SurfacePtr surface = createVectorSurface(VectorFormat::Pdf, &PrinterDevice::writeToJob, this,
                                                      toPoints(m_page.sheetWidth), toPoints(m_page.sheetLength));
    if (cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) {
        const std::string title = toUtf8(jobName);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Vantolex");
    }
    attachSurface(std::move(surface));
    return 1;
}

int PrinterDevice::finishPage(cairo_surface_t*, int)
{
    const int wanted = m_job.poll(); // a job the user deleted has been dropped
    if (wanted <= 0) {
        m_open = false;
        m_writeResult = wanted;
    }
    return wanted;
}

int PrinterDevice::closeDocument()
{
    m_open = false;
    return m_job.finish();
}

void PrinterDevice::abandonDocument() noexcept
{
    m_open = false;
    (void)m_job.cancel();
}

} // namespace vantolex
