// A print job written as PDF by our own writer into a ByteSink: a file, or a print job on the spooler.
//
// Text is drawn from the glyph cache at the positions of placeLine (as the Cairo devices draw it): one text
// object per page, two-byte glyph ids, fonts embedded as subsets at the end of the document. Pages are
// compressed on a worker thread while the next ones are drawn and written to the sink as they are done, so
// that a document of any length streams through in little memory. Within a page, lines and rectangles are
// drawn under the text.
//
// The job operations: startDoc opens the sink and starts the document, endPage hands the page on and asks the
// sink whether the document is still wanted, endDoc writes the fonts, the page tree and the cross-reference
// table and closes the sink; abortDoc, a failure, or destroying the device with a document open abandon the
// sink. Calls out of order fail with SpoolResult::Error. Measuring and fonts work before startDoc.
#pragma once

#include <memory>
#include <string>

#include "layout/ByteSink.h"
#include "layout/Clock.h"
#include "layout/Device.h"
#include "render/pdf/PdfSheet.h"

namespace vantolex {

class PdfDevice : public Device
{
public:
    // Pages of `sheet`, written to `sink`; documents dated by `clock`. Both must outlive the device.
    PdfDevice(const DeviceCaps& caps, const PdfSheet& sheet, ByteSink& sink, const Clock& clock);
    ~PdfDevice() override;

    PdfDevice(const PdfDevice&) = delete;
    PdfDevice& operator=(const PdfDevice&) = delete;

    DeviceCaps capabilities() const override;
    std::unique_ptr<DeviceFont> createFont(const FontDescription& description) override;
    int textExtent(const DeviceFont& font, std::u16string_view text) override;
    void textOut(const DeviceFont& font, int x, int y, std::u16string_view text) override;
    void drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align) override;
    void dashedLine(int x1, int y1, int x2, int y2) override;
    void fillRect(const Rect& box, Rgb colour) override;
    void frameRect(const Rect& box, Rgb colour) override;

    int startDoc(std::u16string_view jobName) override;
    int startPage() override;
    int endPage() override;
    int endDoc() override;
    int abortDoc() override;
    int missingGlyphs() const override;
    // The sink's words for its last failure (a file and the system's reason, a printer that takes no jobs).
    std::u16string failureText() const override;

private:
    // Gives up an open document: the destructor and every failed job operation. A device whose sink it owns
    // holds that sink in a base class ahead of this one, so the sink outlives this call.
    void releaseDocument() noexcept;
    // Writes the pages that are compressed (all of them when `all`; else waits only while too many are
    // outstanding). Returns the first failure, or 1.
    int writeReadyPages(bool all);
    // Keeps the first failure of the open document, which every later job operation but abortDoc returns.
    int failed(int result);

    // The fonts, the document being written and its state.
    struct Writer;
    std::unique_ptr<Writer> m_writer;
};

} // namespace vantolex
