#include "layout/device/PdfDevice.h"

#include <cmath>
#include <ctime>

#include "layout/device/PdfFonts.h"
#include "layout/device/PdfNumbers.h"

namespace vantolex {

namespace {

// Pages drawn ahead of the writing: enough to keep the worker busy, few enough to keep memory low.
constexpr std::size_t maxOutstandingPages = 8;

void appendTwoDigits(std::string& out, int value)
{
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

} // namespace

PdfSheet pdfSheetOf(const cairo_matrix_t& pixelsToPoints, double widthPoints, double heightPoints)
{
    PdfSheet sheet;
    sheet.widthPoints = widthPoints;
    sheet.heightPoints = heightPoints;
    sheet.pointsPerPixelX = pixelsToPoints.xx;
    sheet.pointsPerPixelY = pixelsToPoints.yy;
    sheet.originLeftPoints = pixelsToPoints.x0;
    sheet.originTopPoints = pixelsToPoints.y0;
    return sheet;
}

PdfSheet pdfSheetOf(const SheetFormat& sheet)
{
    return pdfSheetOf(sheetPixelsToPoints(sheet), sheetWidthPoints(sheet), sheetHeightPoints(sheet));
}

std::string pdfDate(std::time_t time)
{
    std::tm local {};
    localtime_r(&time, &local);
    std::string date = "D:";
    pdf::appendInteger(date, local.tm_year + 1900);
    for (const int part : { local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec }) {
        appendTwoDigits(date, part);
    }
    const long offsetMinutes = local.tm_gmtoff / 60;
    date += offsetMinutes < 0 ? '-' : '+';
    appendTwoDigits(date, static_cast<int>(std::labs(offsetMinutes) / 60));
    date += '\'';
    appendTwoDigits(date, static_cast<int>(std::labs(offsetMinutes) % 60));
    date += '\'';
    return date;
}

PdfDevice::PdfDevice(const DeviceCaps& caps, const PdfSheet& sheet, ByteSink& sink)
    : m_caps(caps)
    , m_sheet(sheet)
    , m_sink(sink)
{
}

PdfDevice::~PdfDevice()
{
    releaseDocument();
}

std::unique_ptr<DeviceFont> PdfDevice::createFont(const FontDescription& description)
{
    return m_fonts.create(description, m_caps.dpiX, m_caps.dpiY);
}

int PdfDevice::textExtent(const DeviceFont& font, std::u16string_view text)
{
    return static_cast<int>(std::lround(placeLine(static_cast<const GlyphFont&>(font), text, m_line)));
}

void PdfDevice::textOut(const DeviceFont& font, int x, int y, std::u16string_view text)
{
    if (m_state != State::Page || text.empty()) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    placeLine(glyphFont, text, m_line);
    m_missingGlyphs += countMissing(m_line);
    m_content->line(glyphFont, x, y, text, m_line);
}

void PdfDevice::drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align)
{
    if (m_state != State::Page || text.empty() || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    const auto& glyphFont = static_cast<const GlyphFont&>(font);
    const double length = placeLine(glyphFont, text, m_line); // "&" is plain text here: no mnemonic
    m_missingGlyphs += countMissing(m_line);
    const TextBoxPlacement at = placeInBox(glyphFont, box, length, align);
    if (at.overflows) {
        m_content->clippedLine(box, glyphFont, at.x, at.y, text, m_line);
    } else {
        m_content->line(glyphFont, at.x, at.y, text, m_line);
    }
}

void PdfDevice::dashedLine(int x1, int y1, int x2, int y2)
{
    if (m_state == State::Page) {
        // Dashes of about 3 mm with gaps of 1 mm, whatever the resolution.
        m_content->dashedLine(x1, y1, x2, y2, m_caps.dpiX / 8.0, m_caps.dpiX / 24.0);
    }
}

void PdfDevice::fillRect(const Rect& box, Rgb colour)
{
    if (m_state == State::Page) {
        m_content->fillRect(box, colour);
    }
}

void PdfDevice::frameRect(const Rect& box, Rgb colour)
{
    if (m_state == State::Page) {
        m_content->frameRect(box, colour);
    }
}

int PdfDevice::failed(int result)
{
    if (m_failure > 0) {
        m_failure = result;
    }
    return result;
}

int PdfDevice::startDoc(std::u16string_view jobName)
{
    if (m_state != State::Idle) {
        return SpoolResult::Error;
    }
    const int opened = m_sink.open(jobName);
    if (opened <= 0) {
        return opened;
    }
    m_sinkOpen = true;
    m_title = jobName;
    m_output = std::make_unique<PdfOutput>(m_sink);
    m_compressor = std::make_unique<PageCompressor>();
    m_fontUse = {};
    m_content = std::make_unique<PdfContent>(m_fonts.library(), m_fontUse);
    m_pageObjects.clear();
    // A binary comment after the header, so that transfer programs treat the file as binary.
    m_output->write("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
    m_pagesObject = m_output->reserveObject();
    m_resourcesObject = m_output->reserveObject();
    m_output->flush();
    if (m_output->result() <= 0) {
        const int result = m_output->result();
        releaseDocument();
        return result;
    }
    m_failure = 1;
    m_state = State::Document;
    return 1;
}

int PdfDevice::startPage()
{
    if (m_state != State::Document) {
        return SpoolResult::Error;
    }
    if (m_failure <= 0) {
        return m_failure;
    }
    m_content->begin(m_sheet);
    m_state = State::Page;
    return 1;
}

int PdfDevice::writeReadyPages(bool all)
{
    while (true) {
        const bool wait = all || m_compressor->outstanding() > maxOutstandingPages;
        std::optional<std::string> page = m_compressor->next(wait);
        if (!page) {
            return m_output->result();
        }
        const int pageObject = m_output->reserveObject();
        const int contents = m_output->reserveObject();
        std::string dictionary = "<</Type/Page/Parent ";
        pdf::appendInteger(dictionary, m_pagesObject);
        dictionary += " 0 R/Resources ";
        pdf::appendInteger(dictionary, m_resourcesObject);
        dictionary += " 0 R/MediaBox[0 0 ";
        pdf::appendDecimal(dictionary, m_sheet.widthPoints);
        dictionary += ' ';
        pdf::appendDecimal(dictionary, m_sheet.heightPoints);
        dictionary += "]/Contents ";
        pdf::appendInteger(dictionary, contents);
        dictionary += " 0 R>>";
        m_output->beginObject(pageObject);
        m_output->write(dictionary);
        m_output->endObject();
        m_output->writeStream(contents, "/Filter/FlateDecode", *page);
        m_pageObjects.push_back(pageObject);
        if (m_output->result() <= 0) {
            return m_output->result();
        }
    }
}

int PdfDevice::endPage()
{
    if (m_state != State::Page) {
        return SpoolResult::Error;
    }
    m_state = State::Document;
    if (m_failure <= 0) {
        return m_failure;
    }
    m_compressor->submit(m_content->finish());
    if (const int written = writeReadyPages(false); written <= 0) {
        return failed(written);
    }
    m_output->flush();
    if (m_output->result() <= 0) {
        return failed(m_output->result());
    }
    // A reader that no longer wants the document (a print job the user deleted) says so here.
    if (const int wanted = m_sink.endPage(); wanted <= 0) {
        return failed(wanted);
    }
    return 1;
}

int PdfDevice::endDoc()
{
    if (m_state != State::Document) {
        return SpoolResult::Error;
    }
    const int written = m_failure <= 0 ? m_failure : writeReadyPages(true);
    if (written <= 0) {
        releaseDocument();
        return written;
    }
    m_compressor.reset();

    const std::string fonts = writePdfFonts(*m_output, m_fonts.library(), m_fontUse);
    std::string text = "<</Font<<" + fonts + ">>/ProcSet[/PDF/Text]>>";
    m_output->beginObject(m_resourcesObject);
    m_output->write(text);
    m_output->endObject();

    text = "<</Type/Pages/Count ";
    pdf::appendInteger(text, static_cast<long long>(m_pageObjects.size()));
    text += "/Kids[";
    for (std::size_t i = 0; i < m_pageObjects.size(); ++i) {
        pdf::appendInteger(text, m_pageObjects[i]);
        text += i % 10 == 9 ? " 0 R\n" : " 0 R ";
    }
    text += "]>>";
    m_output->beginObject(m_pagesObject);
    m_output->write(text);
    m_output->endObject();

    const int catalog = m_output->reserveObject();
    text = "<</Type/Catalog/Pages ";
    pdf::appendInteger(text, m_pagesObject);
    text += " 0 R>>";
    m_output->beginObject(catalog);
    m_output->write(text);
    m_output->endObject();

    const int info = m_output->reserveObject();
    text = "<</Title";
    pdf::appendTextString(text, m_title);
    text += "/Creator(Vantolex)/Producer(Vantolex)/CreationDate(" + pdfDate(std::time(nullptr)) + ")>>";
    m_output->beginObject(info);
    m_output->write(text);
    m_output->endObject();

    m_output->finish(catalog, info);
    if (const int result = m_output->result(); result <= 0) {
        releaseDocument();
        return result;
    }
    m_state = State::Idle;
    m_sinkOpen = false;
    m_output.reset();
    m_content.reset();
    return m_sink.close();
}

int PdfDevice::abortDoc()
{
    if (m_state == State::Idle) {
        return SpoolResult::Error;
    }
    releaseDocument();
    return 1;
}

void PdfDevice::releaseDocument() noexcept
{
    m_state = State::Idle;
    m_compressor.reset();
    m_content.reset();
    m_output.reset();
    if (m_sinkOpen) {
        m_sinkOpen = false;
        m_sink.abandon();
    }
}

} // namespace vantolex
