// The Device on a Cairo surface: the drawing operations and the page cycle that every Cairo-based device
// shares. Text is drawn from the glyph cache at the positions of placeLine, as the PDF writer draws it.
// Subclasses decide what the surface is and where its pages go.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <cairo.h>

#include "layout/Device.h"
#include "render/cairo/CairoGlyphPainter.h"
#include "render/cairo/CairoHandles.h"
#include "render/fonts/GlyphFont.h"
#include "render/fonts/LinePlacement.h"

namespace vantolex {

class CairoDevice : public Device
{
public:
    ~CairoDevice() override;

    DeviceCaps capabilities() const override { return m_caps; }

    std::unique_ptr<DeviceFont> createFont(const FontDescription& description) override;
    int textExtent(const DeviceFont& font, std::u16string_view text) override;
    void textOut(const DeviceFont& font, int x, int y, std::u16string_view text) override;
    void drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align) override;
    void dashedLine(int x1, int y1, int x2, int y2) override;
    void fillRect(const Rect& box, Rgb colour) override;
    void frameRect(const Rect& box, Rgb colour) override;

    // The page cycle: startDoc opens the document (openDocument), startPage begins a page, endPage emits
    // it (finishPage), endDoc finishes the surface and closes the document (closeDocument); abortDoc drops
    // everything (abandonDocument). Calls out of order fail with SpoolResult::Error.
    int startDoc(std::u16string_view jobName) override;
    int startPage() override;
    int endPage() override;
    int endDoc() override;
    int abortDoc() override;
    int missingGlyphs() const override { return m_missingGlyphs; }

    // The unrounded length of `text` along its line, in device pixels.
    double textLength(const DeviceFont& font, std::u16string_view text);

protected:
    // `pixelToSurface` maps device pixels (origin at the top-left corner of the printable area) to the units
    // of the surface.
    CairoDevice(const DeviceCaps& caps, const cairo_matrix_t& pixelToSurface);

    // Makes the document's surface and hands it to attachSurface. Returns a SpoolResult value on failure.
    virtual int openDocument(std::u16string_view jobName) = 0;
    // After the page's drawing has been emitted with cairo_show_page; `pageNumber` is 1-based.
    virtual int finishPage(cairo_surface_t* surface, int pageNumber);
    // After the surface has been finished (everything written).
    virtual int closeDocument() { return 1; }
    // The job is given up: nothing more is to be delivered. Must not throw.
    virtual void abandonDocument() noexcept { }
    // The first failure of delivering the document's bytes (a SpoolResult value), or 1 while there is none;
    // it outranks the surface's own error status, which only says that a write failed.
    virtual int deliveryResult() const { return 1; }

    // Called by openDocument (or by a constructor, for devices that draw without a job).
    void attachSurface(handles::SurfacePtr surface);
    cairo_surface_t* surface() const { return m_surface.get(); }
    cairo_t* cairo() const { return m_cairo.get(); }
    // Replaces the pixel-to-surface mapping (the preview's zoom and scroll position).
    void setPixelToSurface(const cairo_matrix_t& pixelToSurface);

    // A result of the surface's status: 1 when it is fine, else the SpoolResult value of the failure.
    int surfaceResult() const;

    // Gives up an open document (abandonDocument, then the surface is dropped). A subclass whose surface
    // calls back into it must call this in its destructor, while those call-backs still have an object.
    void releaseDocument() noexcept;

private:
    enum class State
    {
        Idle,
        Document,
        Page,
    };

    DeviceCaps m_caps;
    cairo_matrix_t m_pixelToSurface;
    GlyphFonts m_fonts;
    CairoGlyphPainter m_painter;
    std::vector<PlacedGlyph> m_line;
    int m_missingGlyphs = 0;
    handles::SurfacePtr m_surface;
    handles::CairoPtr m_cairo;
    State m_state = State::Idle;
    int m_pageNumber = 0;
};

// Maps a Cairo status onto the job results: no memory is SpoolResult::OutOfMemory, anything else
// SpoolResult::Error; success is 1.
int spoolResultOf(cairo_status_t status);

} // namespace vantolex
