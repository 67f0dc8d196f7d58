#include "render/cairo/CairoFileDevices.h"

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "base/Interruption.h"
#include "base/ReplacementFile.h"
#include "base/TextFormat.h"
#include "base/WriteFailureReason.h"
#include "layout/FileByteSink.h"
#include "layout/LayoutMessages.h"
#include "layout/OutputFileFailure.h"
#include "render/cairo/CairoSheet.h"
#include "render/cairo/CairoStreamDevice.h"
#include "render/cairo/PngResolution.h"
#include "render/cairo/PostScriptDateSink.h"

namespace vantolex {

namespace {

class CairoVectorFileDevice final : private FileSinkHolder, public CairoStreamDevice
{
public:
    CairoVectorFileDevice(VectorFormat format, const std::filesystem::path& path, const SheetFormat& sheet)
        : FileSinkHolder(path)
        , CairoStreamDevice(format, sheet, fileSink)
    {
    }
};

// The sink of a PostScript file, dated by the program's clock.
struct DatedPostScriptSinkHolder
{
    DatedPostScriptSinkHolder(ByteSink& file, const Clock& clock)
        : datedSink(file, clock)
    {
    }
    PostScriptDateSink datedSink;
};

class CairoPostScriptFileDevice final : private FileSinkHolder,
                                        private DatedPostScriptSinkHolder,
                                        public CairoStreamDevice
{
public:
    CairoPostScriptFileDevice(const std::filesystem::path& path, const SheetFormat& sheet, const Clock& clock)
        : FileSinkHolder(path)
        , DatedPostScriptSinkHolder(fileSink, clock)
        , CairoStreamDevice(VectorFormat::PostScript, sheet, datedSink)
    {
    }
};

// One RGB image of the whole sheet, written out at the end of every page and then cleared. Each page goes to a
// temporary file beside its final name; all of them are put in place together when the document ends, so that
// an unfinished document leaves the pages of an earlier one as they were.
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

    std::u16string failureText() const override { return m_failure; }

protected:
    int openDocument(std::u16string_view) override
    {
        m_failure.clear();
        m_pages.clear();
        const int width = sheetWidthPixels(m_sheet);
        const int height = sheetHeightPixels(m_sheet);
        handles::SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
        if (const cairo_status_t status = cairo_surface_status(image.get()); status != CAIRO_STATUS_SUCCESS) {
            m_failure = outputFileFailureText(OutputFileStage::Create, m_path,
                                              formatText(layoutText::reasonImageTooLarge, { width, height }));
            return status == CAIRO_STATUS_NO_MEMORY ? static_cast<int>(SpoolResult::OutOfMemory)
                                                    : static_cast<int>(SpoolResult::Error);
        }
        attachSurface(std::move(image));
        clearSheet();
        return 1;
    }

    int finishPage(cairo_surface_t* image, int pageNumber) override
    {
        const std::filesystem::path pagePath = pngPagePath(m_path, pageNumber);
        ReplacementFile page(pagePath);
        if (const int error = page.create())
            return fail(OutputFileStage::Create, pagePath, error);
        m_pageFile = &page;
        m_pageError = 0;
        m_pageBytes = 0;
        const cairo_status_t status = cairo_surface_write_to_png_stream(image, &CairoPngDevice::writePng, this);
        m_pageFile = nullptr;
        if (m_pageError == 0 && status != CAIRO_STATUS_SUCCESS)
            m_pageError = status == CAIRO_STATUS_NO_MEMORY ? ENOMEM : EIO;
        if (m_pageError == 0)
            m_pageError = page.finishWriting();
        if (m_pageError != 0)
            return fail(OutputFileStage::Write, pagePath, m_pageError);
        m_pages.push_back(std::move(page));
        clearSheet();
        return 1;
    }

    int closeDocument() override
    {
        const SignalsDeferred deferred; // all pages or none
        for (ReplacementFile& page : m_pages) {
            if (const int error = page.commit())
                return fail(OutputFileStage::Write, page.path(), error);
        }
        m_pages.clear();
        return 1;
    }

    void abandonDocument() noexcept override { m_pages.clear(); }

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
        if (length > 0 && m_pageError == 0)
            m_pageError = m_pageFile->write(data, length);
        return m_pageError == 0;
    }

    int fail(OutputFileStage stage, const std::filesystem::path& path, int error)
    {
        m_pages.clear();
        m_failure = outputFileFailureText(stage, path, writeFailureReason(error));
        if (error == ENOSPC || error == EDQUOT)
            return SpoolResult::OutOfDisk;
        return error == ENOMEM ? static_cast<int>(SpoolResult::OutOfMemory) : static_cast<int>(SpoolResult::Error);
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
    std::vector<ReplacementFile> m_pages; // written, waiting for the end of the document
    ReplacementFile* m_pageFile = nullptr; // the page being written
    int m_pageError = 0; // the first error of writing it
    std::size_t m_pageBytes = 0; // of the page's image so far, as Cairo wrote them
    std::u16string m_failure;
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

std::unique_ptr<Device> createPostScriptFileDevice(const std::filesystem::path& path, const SheetFormat& sheet,
                                                   const Clock& clock)
{
    return std::make_unique<CairoPostScriptFileDevice>(path, sheet, clock);
}

std::unique_ptr<Device> createSvgFileDevice(const std::filesystem::path& path, const SheetFormat& sheet)
{
    return std::make_unique<CairoVectorFileDevice>(VectorFormat::Svg, path, sheet);
}

std::unique_ptr<Device> createPngFileDevice(const std::filesystem::path& path, const SheetFormat& sheet)
{
    return std::make_unique<CairoPngDevice>(path, sheet);
}

} // namespace vantolex
