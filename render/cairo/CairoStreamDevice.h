// A vector document (PDF, PostScript or SVG) drawn with Cairo and written to a caller's ByteSink.
//
// The file devices write to a file through it; the printer device writes the PDF of a job to the spooler
// with its own sink. Pages are the sheet of the SheetFormat (or a sheet given in points with its own
// mapping); device pixels are at its resolution with the origin at the corner of the printable area, inside
// the unprintable border.
#pragma once

#include "layout/ByteSink.h"
#include "layout/SheetFormat.h"
#include "render/cairo/CairoDevice.h"

namespace vantolex {

enum class VectorFormat
{
    Pdf,
    PostScript,
    Svg, // one page per document: a second page is drawn over the first
};

class CairoStreamDevice : public CairoDevice
{
public:
    // `sink` must outlive the device.
    CairoStreamDevice(VectorFormat format, const SheetFormat& sheet, ByteSink& sink);
    // Sheets of `widthPoints` × `heightPoints` whose device pixels map to points through `pixelsToPoints`.
    CairoStreamDevice(VectorFormat format, const DeviceCaps& caps, const cairo_matrix_t& pixelsToPoints,
                      double widthPoints, double heightPoints, ByteSink& sink);
    ~CairoStreamDevice() override;

    CairoStreamDevice(const CairoStreamDevice&) = delete;
    CairoStreamDevice& operator=(const CairoStreamDevice&) = delete;

    // The sink's words for its last failure.
    std::u16string failureText() const override { return m_sink.failureText(); }

protected:
    int openDocument(std::u16string_view jobName) override;
    int finishPage(cairo_surface_t* surface, int pageNumber) override;
    int closeDocument() override;
    void abandonDocument() noexcept override;
    int deliveryResult() const override { return m_writeResult; }

private:
    static cairo_status_t writeToSink(void* closure, const unsigned char* data, unsigned int length);

    VectorFormat m_format;
    double m_widthPoints;
    double m_heightPoints;
    ByteSink& m_sink;
    bool m_open = false; // the sink has a document open
    int m_writeResult = 1; // the first failure of a write, or 1
};

// A vector surface of `widthPoints` × `heightPoints` writing through `write` with `closure`, for devices that
// build their own Cairo surfaces.
handles::SurfacePtr createVectorSurface(VectorFormat format, cairo_write_func_t write, void* closure,
                                        double widthPoints, double heightPoints);

} // namespace vantolex
