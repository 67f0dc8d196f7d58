#include "layout/device/CairoFileDevices.h"

#include <string>
#include <utility>

#include "layout/device/CairoStreamDevice.h"
#include "layout/device/FileByteSink.h"
#include "layout/device/PdfDevice.h"
#include "layout/device/PngResolution.h"

namespace vantolex {

namespace {

// Holds the sink ahead of the device that writes to it, so that the sink is made first and goes last.
struct FileSinkHolder
{
    explicit FileSinkHolder(const std::filesystem::path& path)
        : fileSink(path)
    {
    }
    FileByteSink fileSink;
};

class PdfFileDevice final : private FileSinkHolder, public PdfDevice
{
public:
    PdfFileDevice(const std::filesystem::path& path, const SheetFormat& sheet)
        : FileSinkHolder(path)
        , PdfDevice(sheetCapabilities(sheet), pdfSheetOf(sheet), fileSink)
    {
    }
};

class CairoVectorFileDevice final : private FileSinkHolder, public CairoStreamDevice
{
public:
    CairoVectorFileDevice(VectorFormat format, const std::filesystem::path& path, const SheetFormat& sheet)
        : FileSinkHolder(path)
        , CairoStreamDevice(format, sheet, fileSink)
    {
    }
};

VectorFormat vectorFormatOf(FileFormat format)
{
    switch (format) {
    case FileFormat::PostScript:
        return VectorFormat::PostScript;
    case FileFormat::Svg:
        return VectorFormat::Svg;
    default:
        return VectorFormat::Pdf;
    }
}

// One RGB image of the whole sheet, written out at the end of every page and then cleared.
class CairoPngDevice final : public CairoDevice
{
public:
    CairoPngDevice(const std::filesystem::path& path, const SheetFormat& sheet)
        : CairoDevice(sheetCapabilities(sheet), sheetPixelsToImage(sheet))
        , m_path(path)
        , m_sheet(sheet)
    {
    }

    ~CairoPngDevice() override { releaseDocument(); }

protected:
    int openDocument(std::u16string_view) override
    {
        attachSurface(handles::SurfacePtr(
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheetWidthPixels(m_sheet), sheetHeightPixels(m_sheet))));
        clearSheet();
        return 1;
    }

    int finishPage(cairo_surface_t* image, int pageNumber) override
    {
        FileByteSink sink(pngPagePath(m_path, pageNumber));
        if (const int opened = sink.open(u""); opened <= 0) {
            return opened;
        }
        m_pageSink = &sink;
        m_pageResult = 1;
        m_pageBytes = 0;
        const cairo_status_t status = cairo_surface_write_to_png_stream(image, &CairoPngDevice::writePng, this);
        m_pageSink = nullptr;
        if (m_pageResult <= 0 || status != CAIRO_STATUS_SUCCESS) {
            sink.abandon();
            return m_pageResult <= 0 ? m_pageResult : spoolResultOf(status);
        }
        clearSheet();
        return sink.close();
    }

private:
    // Passes the image on to the page's file, with the resolution chunk after the header.
    static cairo_status_t writePng(void* closure, const unsigned char* data, unsigned int length)
    {
        auto* device = static_cast<CairoPngDevice*>(closure);
        const std::size_t before = device->m_pageBytes;
        device->m_pageBytes += length;
        if (before < pngResolutionOffset && device->m_pageBytes >= pngResolutionOffset) {
            const std::size_t head = pngResolutionOffset - before;
            const std::string chunk = pngResolutionChunk(device->m_sheet.dpiX, device->m_sheet.dpiY);
            if (!device->write(data, head)
                || !device->write(reinterpret_cast<const unsigned char*>(chunk.data()), chunk.size())) {
                return CAIRO_STATUS_WRITE_ERROR;
            }
            data += head;
            length -= static_cast<unsigned int>(head);
        }
        return device->write(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
    }

    bool write(const unsigned char* data, std::size_t length)
    {
        if (length > 0 && m_pageResult > 0) {
            m_pageResult = m_pageSink->write(data, length);
        }
        return m_pageResult > 0;
    }

    void clearSheet()
    {
        cairo_t* cr = cairo();
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_restore(cr);
    }

    std::filesystem::path m_path;
    SheetFormat m_sheet;
    FileByteSink* m_pageSink = nullptr;
    int m_pageResult = 1;
    std::size_t m_pageBytes = 0; // of the page's image so far, as Cairo wrote them
};

} // namespace

std::filesystem::path pngPagePath(const std::filesystem::path& path, int pageNumber)
{
    // Four digits at least, so that the pages of a document sort in order by name.
    std::string number = std::to_string(pageNumber);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    std::filesystem::path page = path;
    page.replace_filename(path.stem().string() + "-" + number + ".png");
    return page;
}

std::unique_ptr<Device> createFileDevice(FileFormat format, const std::filesystem::path& path, const SheetFormat& sheet)
{
    if (format == FileFormat::Png) {
        return std::make_unique<CairoPngDevice>(path, sheet);
    }
    if (format == FileFormat::Pdf) {
        return std::make_unique<PdfFileDevice>(path, sheet);
    }
    return std::make_unique<CairoVectorFileDevice>(vectorFormatOf(format), path, sheet);
}

} // namespace vantolex
