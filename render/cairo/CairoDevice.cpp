#include "render/cairo/CairoDevice.h"

#include <cmath>
#include <utility>

namespace vantolex {

int spoolResultOf(cairo_status_t status)
{
    switch (status) {
    case CAIRO_STATUS_SUCCESS:
        return 1;
    case CAIRO_STATUS_NO_MEMORY:
        return SpoolResult::OutOfMemory;
    default:
        return SpoolResult::Error;
    }
}

CairoDevice::CairoDevice(const DeviceCaps& caps, const cairo_matrix_t& pixelToSurface)
    : m_caps(caps)
    , m_pixelToSurface(pixelToSurface)
    , m_painter(m_fonts.library())
{
}

CairoDevice::~CairoDevice() = default;

std::unique_ptr<DeviceFont> CairoDevice::createFont(const FontDescription& description)
{
    return m_fonts.create(description, m_caps.dpiX, m_caps.dpiY);
}

double CairoDevice::textLength(const DeviceFont& font, std::u16string_view text)
{
    return placeLine(static_cast<const GlyphFont&>(font), text, m_line);
}

int CairoDevice::textExtent(const DeviceFont& font, std::u16string_view text)
{
    return static_cast<int>(std::lround(textLength(font, text)));
}

void CairoDevice::textOut(const DeviceFont& font, int x, int y, std::u16string_view text)
{
    if (!m_cairo || text.empty()) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    placeLine(glyphFont, text, m_line);
    m_missingGlyphs += countMissing(m_line);
    m_painter.paint(m_cairo.get(), glyphFont, x, y, text, m_line);
}

void CairoDevice::drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align)
{
    if (!m_cairo || text.empty() || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    const double length = placeLine(glyphFont, text, m_line); // "&" is plain text here: no mnemonic
    m_missingGlyphs += countMissing(m_line);
    const TextBoxPlacement at = placeInBox(glyphFont, box, length, align);
    cairo_t* cr = m_cairo.get();
    cairo_save(cr);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_clip(cr);
    m_painter.paint(cr, glyphFont, at.x, at.y, text, m_line);
    cairo_restore(cr);
}

void CairoDevice::dashedLine(int x1, int y1, int x2, int y2)
{
    if (!m_cairo) {
        return;
    }
    cairo_t* cr = m_cairo.get();
    cairo_save(cr);
    // Dashes of about 3 mm with gaps of 1 mm, whatever the resolution.
    const double dashes[] = { m_caps.dpiX / 8.0, m_caps.dpiX / 24.0 };
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_source_rgb(cr, 0, 0, 0);
    // Through the centres of the pixels across the line, so that a line along an axis covers exactly one row
    // or column of pixels from (x1, y1) up to (x2, y2).
    const double acrossX = x1 == x2 ? 0.5 : (y1 == y2 ? 0.0 : 0.5);
    const double acrossY = y1 == y2 ? 0.5 : (x1 == x2 ? 0.0 : 0.5);
    cairo_move_to(cr, x1 + acrossX, y1 + acrossY);
    cairo_line_to(cr, x2 + acrossX, y2 + acrossY);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void CairoDevice::fillRect(const Rect& box, Rgb colour)
{
    if (!m_cairo) {
        return;
    }
    cairo_t* cr = m_cairo.get();
    cairo_save(cr);
    cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CairoDevice::frameRect(const Rect& box, Rgb colour)
{
    if (!m_cairo || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    cairo_t* cr = m_cairo.get();
    cairo_save(cr);
    cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
    cairo_set_line_width(cr, 1.0);
    // The outermost ring of pixels inside the box.
    cairo_rectangle(cr, box.left + 0.5, box.top + 0.5, box.right - box.left - 1.0, box.bottom - box.top - 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void CairoDevice::attachSurface(handles::SurfacePtr surface)
{
    m_cairo.reset();
    m_surface = std::move(surface);
    if (m_surface) {
        m_cairo.reset(cairo_create(m_surface.get()));
        cairo_set_matrix(m_cairo.get(), &m_pixelToSurface);
    }
}

void CairoDevice::setPixelToSurface(const cairo_matrix_t& pixelToSurface)
{
    m_pixelToSurface = pixelToSurface;
    if (m_cairo) {
        cairo_set_matrix(m_cairo.get(), &m_pixelToSurface);
    }
}

int CairoDevice::surfaceResult() const
{
    if (const int delivery = deliveryResult(); delivery <= 0) {
        return delivery;
    }
    if (!m_surface) {
        return SpoolResult::Error;
    }
    if (m_cairo && cairo_status(m_cairo.get()) != CAIRO_STATUS_SUCCESS) {
        return spoolResultOf(cairo_status(m_cairo.get()));
    }
    return spoolResultOf(cairo_surface_status(m_surface.get()));
}

int CairoDevice::finishPage(cairo_surface_t*, int)
{
    return 1;
}

int CairoDevice::startDoc(std::u16string_view jobName)
{
    if (m_state != State::Idle) {
        return SpoolResult::Error;
    }
    const int opened = openDocument(jobName);
    if (opened <= 0) {
        releaseDocument();
        return opened;
    }
    if (!m_surface) {
        releaseDocument();
        return SpoolResult::Error;
    }
    if (const int status = surfaceResult(); status <= 0) {
        releaseDocument();
        return status;
    }
    m_state = State::Document;
    m_pageNumber = 0;
    return 1;
}

int CairoDevice::startPage()
{
    if (m_state != State::Document) {
        return SpoolResult::Error;
    }
    m_state = State::Page;
    ++m_pageNumber;
    // A white sheet under everything. Besides, a vector surface keeps the region its drawing covers and
    // merges every operation into it; once that region is the whole sheet each merge is immediate, whereas
    // otherwise it grows with every line and a dense page costs time quadratic in its lines.
    cairo_save(m_cairo.get());
    cairo_identity_matrix(m_cairo.get());
    cairo_set_source_rgb(m_cairo.get(), 1, 1, 1);
    cairo_paint(m_cairo.get());
    cairo_restore(m_cairo.get());
    cairo_set_matrix(m_cairo.get(), &m_pixelToSurface);
    return surfaceResult();
}

int CairoDevice::endPage()
{
    if (m_state != State::Page) {
        return SpoolResult::Error;
    }
    m_state = State::Document;
    cairo_show_page(m_cairo.get());
    if (const int status = surfaceResult(); status <= 0) {
        return status;
    }
    return finishPage(m_surface.get(), m_pageNumber);
}

int CairoDevice::endDoc()
{
    if (m_state != State::Document) {
        return SpoolResult::Error;
    }
    m_state = State::Idle;
    m_cairo.reset();
    cairo_surface_finish(m_surface.get()); // writes the rest of the document
    const int status = surfaceResult();
    if (status <= 0) {
        releaseDocument();
        return status;
    }
    m_surface.reset();
    return closeDocument();
}

int CairoDevice::abortDoc()
{
    if (m_state == State::Idle) {
        return SpoolResult::Error;
    }
    releaseDocument();
    return 1;
}

void CairoDevice::releaseDocument() noexcept
{
    m_state = State::Idle;
    abandonDocument(); // before the surface goes: destroying it would write its tail
    m_cairo.reset();
    m_surface.reset();
}

} // namespace vantolex
