#include "render/pdf/PdfDevice.h"

#include <cmath>
#include <optional>
#include <vector>

#include "render/fonts/GlyphFont.h"
#include "render/fonts/LinePlacement.h"
#include "render/pdf/PageCompressor.h"
#include "render/pdf/PdfContent.h"
#include "render/pdf/PdfFonts.h"
#include "render/pdf/PdfNumbers.h"
#include "render/pdf/PdfOutput.h"

namespace vantolex {

namespace {

// Pages drawn ahead of the writing: enough to keep the worker busy, few enough to keep memory low.
constexpr std::size_t maxOutstandingPages = 8;

// Where a device is in its job: between documents, in a document between pages, or on a page.
enum class State
{
    Idle,
    Document,
    Page,
};

} // namespace

struct PdfDevice::Writer
{
    Writer(const DeviceCaps& caps_, const PdfSheet& sheet_, ByteSink& sink_, const Clock& clock_)
        : caps(caps_)
        , sheet(sheet_)
        , sink(sink_)
        , clock(clock_)
    {
    }

    DeviceCaps caps;
    PdfSheet sheet;
    ByteSink& sink;
    const Clock& clock;
    GlyphFonts fonts;
    std::vector<PlacedGlyph> line;
    int missingGlyphs = 0;

    State state = State::Idle;
    bool sinkOpen = false;
    int failure = 1; // the first failure of the open document, or 1
    std::u16string title;
    std::unique_ptr<PdfOutput> output;
    std::unique_ptr<PageCompressor> compressor;
    std::unique_ptr<PdfContent> content;
    PdfFontUse fontUse;
    std::vector<int> pageObjects;
    int pagesObject = 0;
    int resourcesObject = 0;
};

PdfDevice::PdfDevice(const DeviceCaps& caps, const PdfSheet& sheet, ByteSink& sink, const Clock& clock)
    : m_writer(std::make_unique<Writer>(caps, sheet, sink, clock))
{
}

DeviceCaps PdfDevice::capabilities() const
{
    return m_writer->caps;
}

int PdfDevice::missingGlyphs() const
{
    return m_writer->missingGlyphs;
}

std::u16string PdfDevice::failureText() const
{
    return m_writer->sink.failureText();
}

PdfDevice::~PdfDevice()
{
    releaseDocument();
}

std::unique_ptr<DeviceFont> PdfDevice::createFont(const FontDescription& description)
{
    return m_writer->fonts.create(description, m_writer->caps.dpiX, m_writer->caps.dpiY);
}

int PdfDevice::textExtent(const DeviceFont& font, std::u16string_view text)
{
    return static_cast<int>(std::lround(placeLine(static_cast<const GlyphFont&>(font), text, m_writer->line)));
}

void PdfDevice::textOut(const DeviceFont& font, int x, int y, std::u16string_view text)
{
    if (m_writer->state != State::Page || text.empty()) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    placeLine(glyphFont, text, m_writer->line);
    m_writer->missingGlyphs += countMissing(m_writer->line);
    m_writer->content->line(glyphFont, x, y, text, m_writer->line);
}

void PdfDevice::drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align)
{
    if (m_writer->state != State::Page || text.empty() || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    const double length = placeLine(glyphFont, text, m_writer->line); // "&" is plain text here: no mnemonic
    m_writer->missingGlyphs += countMissing(m_writer->line);
    const TextBoxPlacement at = placeInBox(glyphFont, box, length, align);
    if (at.overflows) {
        m_writer->content->clippedLine(box, glyphFont, at.x, at.y, text, m_writer->line);
    } else {
        m_writer->content->line(glyphFont, at.x, at.y, text, m_writer->line);
    }
}

void PdfDevice::dashedLine(int x1, int y1, int x2, int y2)
{
    if (m_writer->state == State::Page) {
        // Dashes of about 3 mm with gaps of 1 mm, whatever the resolution.
        m_writer->content->dashedLine(x1, y1, x2, y2, m_writer->caps.dpiX / 8.0, m_writer->caps.dpiX / 24.0);
    }
}

void PdfDevice::fillRect(const Rect& box, Rgb colour)
{
    if (m_writer->state == State::Page) {
        m_writer->content->fillRect(box, colour);
    }
}

void PdfDevice::frameRect(const Rect& box, Rgb colour)
{
    if (m_writer->state == State::Page) {
        m_writer->content->frameRect(box, colour);
    }
}

int PdfDevice::failed(int result)
{
    if (m_writer->failure > 0) {
        m_writer->failure = result;
    }
    return result;
}

int PdfDevice::startDoc(std::u16string_view jobName)
{
    if (m_writer->state != State::Idle) {
        return SpoolResult::Error;
    }
    const int opened = m_writer->sink.open(jobName);
    if (opened <= 0) {
        return opened;
    }
    m_writer->sinkOpen = true;
    m_writer->title = jobName;
    m_writer->output = std::make_unique<PdfOutput>(m_writer->sink);
    m_writer->compressor = std::make_unique<PageCompressor>();
    m_writer->fontUse = {};
    m_writer->content = std::make_unique<PdfContent>(m_writer->fonts.library(), m_writer->fontUse);
    m_writer->pageObjects.clear();
    // A binary comment after the header, so that transfer programs treat the file as binary.
    m_writer->output->write("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
    m_writer->pagesObject = m_writer->output->reserveObject();
    m_writer->resourcesObject = m_writer->output->reserveObject();
    m_writer->output->flush();
    if (m_writer->output->result() <= 0) {
        const int result = m_writer->output->result();
        releaseDocument();
        return result;
    }
    m_writer->failure = 1;
    m_writer->state = State::Document;
    return 1;
}

int PdfDevice::startPage()
{
    if (m_writer->state != State::Document) {
        return SpoolResult::Error;
    }
    if (m_writer->failure <= 0) {
        return m_writer->failure;
    }
    m_writer->content->begin(m_writer->sheet);
    m_writer->state = State::Page;
    return 1;
}

int PdfDevice::writeReadyPages(bool all)
{
    while (true) {
        const bool wait = all || m_writer->compressor->outstanding() > maxOutstandingPages;
        std::optional<std::string> page = m_writer->compressor->next(wait);
        if (!page) {
            return m_writer->output->result();
        }
        const int pageObject = m_writer->output->reserveObject();
        const int contents = m_writer->output->reserveObject();
        std::string dictionary = "<</Type/Page/Parent ";
        pdf::appendInteger(dictionary, m_writer->pagesObject);
        dictionary += " 0 R/Resources ";
        pdf::appendInteger(dictionary, m_writer->resourcesObject);
        dictionary += " 0 R/MediaBox[0 0 ";
        pdf::appendDecimal(dictionary, m_writer->sheet.widthPoints);
        dictionary += ' ';
        pdf::appendDecimal(dictionary, m_writer->sheet.heightPoints);
        dictionary += "]/Contents ";
        pdf::appendInteger(dictionary, contents);
        dictionary += " 0 R>>";
        m_writer->output->beginObject(pageObject);
        m_writer->output->write(dictionary);
        m_writer->output->endObject();
        m_writer->output->writeStream(contents, "/Filter/FlateDecode", *page);
        m_writer->pageObjects.push_back(pageObject);
        if (m_writer->output->result() <= 0) {
            return m_writer->output->result();
        }
    }
}

int PdfDevice::endPage()
{
    if (m_writer->state != State::Page) {
        return SpoolResult::Error;
    }
    m_writer->state = State::Document;
    if (m_writer->failure <= 0) {
        return m_writer->failure;
    }
    m_writer->compressor->submit(m_writer->content->finish());
    if (const int written = writeReadyPages(false); written <= 0) {
        return failed(written);
    }
    m_writer->output->flush();
    if (m_writer->output->result() <= 0) {
        return failed(m_writer->output->result());
    }
    // A reader that no longer wants the document (a print job the user deleted) says so here.
    if (const int wanted = m_writer->sink.endPage(); wanted <= 0) {
        return failed(wanted);
    }
    return 1;
}

int PdfDevice::endDoc()
{
    if (m_writer->state != State::Document) {
        return SpoolResult::Error;
    }
    const int written = m_writer->failure <= 0 ? m_writer->failure : writeReadyPages(true);
    if (written <= 0) {
        releaseDocument();
        return written;
    }
    m_writer->compressor.reset();

    const std::string fonts = writePdfFonts(*m_writer->output, m_writer->fonts.library(), m_writer->fontUse);
    std::string text = "<</Font<<" + fonts + ">>/ProcSet[/PDF/Text]>>";
    m_writer->output->beginObject(m_writer->resourcesObject);
    m_writer->output->write(text);
    m_writer->output->endObject();

    text = "<</Type/Pages/Count ";
    pdf::appendInteger(text, static_cast<long long>(m_writer->pageObjects.size()));
    text += "/Kids[";
    for (std::size_t i = 0; i < m_writer->pageObjects.size(); ++i) {
        pdf::appendInteger(text, m_writer->pageObjects[i]);
        text += i % 10 == 9 ? " 0 R\n" : " 0 R ";
    }
    text += "]>>";
    m_writer->output->beginObject(m_writer->pagesObject);
    m_writer->output->write(text);
    m_writer->output->endObject();

    const int catalog = m_writer->output->reserveObject();
    text = "<</Type/Catalog/Pages ";
    pdf::appendInteger(text, m_writer->pagesObject);
    text += " 0 R>>";
    m_writer->output->beginObject(catalog);
    m_writer->output->write(text);
    m_writer->output->endObject();

    const int info = m_writer->output->reserveObject();
    text = "<</Title";
    pdf::appendTextString(text, m_writer->title);
    text += "/Creator(Vantolex)/Producer(Vantolex)";
    if (const std::optional<LocalDateTime> now = m_writer->clock.localNow()) {
        text += "/CreationDate(" + pdfDate(*now) + ")";
    }
    text += ">>";
    m_writer->output->beginObject(info);
    m_writer->output->write(text);
    m_writer->output->endObject();

    m_writer->output->finish(catalog, info);
    if (const int result = m_writer->output->result(); result <= 0) {
        releaseDocument();
        return result;
    }
    m_writer->state = State::Idle;
    m_writer->sinkOpen = false;
    m_writer->output.reset();
    m_writer->content.reset();
    return m_writer->sink.close();
}

int PdfDevice::abortDoc()
{
    if (m_writer->state == State::Idle) {
        return SpoolResult::Error;
    }
    releaseDocument();
    return 1;
}

void PdfDevice::releaseDocument() noexcept
{
    m_writer->state = State::Idle;
    m_writer->compressor.reset();
    m_writer->content.reset();
    m_writer->output.reset();
    if (m_writer->sinkOpen) {
        m_writer->sinkOpen = false;
        m_writer->sink.abandon();
    }
}

} // namespace vantolex
