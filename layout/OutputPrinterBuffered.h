// The printer output for documents whose templates need the total page count: the document is laid out
// twice, first only to count its pages, then to print them with the total known. Nothing of the document is
// kept between the passes but that count.
#pragma once

#include <memory>
#include <string>

#include "layout/Canvas.h"
#include "layout/JobState.h"
#include "layout/Output.h"

namespace vantolex {

class OutputPrinterBuffered : public Output
{
public:
    // Takes over `device`. Throws Warning from the layout.
    OutputPrinterBuffered(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                          const Clock& clock);

    // Aborts a job that was started and neither finished nor aborted.
    ~OutputPrinterBuffered() override;

    bool prepareForItem() override { return true; }
    bool countsPagesFirst() const override { return true; }

    // Sets the total page count, makes the canvas (Warning when it cannot make its fonts: nothing is printed)
    // and starts the document; its pages are started as their first lines arrive, so that pages without a line
    // are skipped and page numbers still count them.
    void startDrawingPass() override;

    // Ends the document; one in which no page holds a line prints all its pages, empty, with their header and
    // footer, as the direct output does. Throws PrinterError when the spooler fails, after aborting the job.
    void finish() override;

    // Aborts a started job; nothing more is printed.
    void abort() override;

    const std::u16string& docName() const { return m_docName; }

protected:
    // Counting pass: notes that the document holds a line. Drawing pass: draws it on its page.
    void emitLine() override;

private:
    void openPage(int number);
    void check(int result);

    std::u16string m_docName; // "%s - Vantolex" with the file name
    bool m_drawing = false; // in the second pass
    bool m_anyLine = false; // the first pass placed a line
    bool m_aborted = false;
    JobState m_state = JobState::NotStarted;
    int m_openPage = 0; // number of the printer page open, 0 for none
    std::unique_ptr<Canvas> m_canvas;
};

} // namespace vantolex
