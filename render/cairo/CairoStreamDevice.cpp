#include "render/cairo/CairoStreamDevice.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>

#include "base/Utf16.h"
#include "render/cairo/CairoSheet.h"

namespace vantolex {

handles::SurfacePtr createVectorSurface(VectorFormat format, cairo_write_func_t write, void* closure,
                                        double widthPoints, double heightPoints)
{
    switch (format) {
    case VectorFormat::Pdf:
        return handles::SurfacePtr(cairo_pdf_surface_create_for_stream(write, closure, widthPoints, heightPoints));
    case VectorFormat::PostScript:
        return handles::SurfacePtr(cairo_ps_surface_create_for_stream(write, closure, widthPoints, heightPoints));
    case VectorFormat::Svg:
        break;
    }
    handles::SurfacePtr surface(cairo_svg_surface_create_for_stream(write, closure, widthPoints, heightPoints));
    cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PT);
    return surface;
}

CairoStreamDevice::CairoStreamDevice(VectorFormat format, const SheetFormat& sheet, ByteSink& sink)
    : CairoStreamDevice(format, sheetCapabilities(sheet), sheetPixelsToPoints(sheet), sheetWidthPoints(sheet),
                        sheetHeightPoints(sheet), sink)
{
}

CairoStreamDevice::CairoStreamDevice(VectorFormat format, const DeviceCaps& caps, const cairo_matrix_t& pixelsToPoints,
                                     double widthPoints, double heightPoints, ByteSink& sink)
    : CairoDevice(caps, pixelsToPoints)
    , m_format(format)
    , m_widthPoints(widthPoints)
    , m_heightPoints(heightPoints)
    , m_sink(sink)
{
}

CairoStreamDevice::~CairoStreamDevice()
{
    releaseDocument();
}

cairo_status_t CairoStreamDevice::writeToSink(void* closure, const unsigned char* data, unsigned int length)
{
    auto* device = static_cast<CairoStreamDevice*>(closure);
    if (!device->m_open) {
        return CAIRO_STATUS_SUCCESS; // an abandoned document: its tail goes nowhere
    }
    if (device->m_writeResult > 0) {
        device->m_writeResult = device->m_sink.write(data, length);
    }
    return device->m_writeResult > 0 ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

int CairoStreamDevice::openDocument(std::u16string_view jobName)
{
    m_writeResult = 1;
    const int opened = m_sink.open(jobName);
    if (opened <= 0) {
        return opened;
    }
    m_open = true;
    handles::SurfacePtr surface
        = createVectorSurface(m_format, &CairoStreamDevice::writeToSink, this, m_widthPoints, m_heightPoints);
    if (m_format == VectorFormat::Pdf && cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS) {
        const std::string title = toUtf8(jobName);
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Vantolex");
    }
    attachSurface(std::move(surface));
    return 1;
}

int CairoStreamDevice::finishPage(cairo_surface_t*, int)
{
    // Reached only while every write has succeeded; a sink that gives up ends the delivery like a failed
    // write.
    m_writeResult = m_sink.endPage();
    return m_writeResult;
}

int CairoStreamDevice::closeDocument()
{
    m_open = false;
    return m_sink.close();
}

void CairoStreamDevice::abandonDocument() noexcept
{
    if (m_open) {
        m_open = false;
        m_sink.abandon();
    }
}

} // namespace vantolex
