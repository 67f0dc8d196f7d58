// The buffered printer output: lays the whole document out first, so that the total page count is known,
// and prints the stored pages when the run finishes.
#pragma once

#include <memory>
#include <string>

#include "layout/OutputBuffered.h"

namespace vantolex {

class OutputPrinterBuffered : public OutputBuffered
{
public:
    // Takes over `device`. Throws Warning from the layout.
    OutputPrinterBuffered(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                          const Clock& clock);

    // Completes the pages and, unless aborted, prints them.
    void finish() override;

    // Marks the output aborted; nothing has been sent to the printer yet.
    void abort() override { m_aborted = true; }

    // Prints every stored page that holds lines, numbering pages by their index, so that skipped empty pages
    // still count; a document in which no page holds a line prints all its pages, empty. The started
    // document is ended, or aborted when printing fails. Throws Warning when the canvas cannot make its
    // fonts, and PrinterError when the spooler fails; a failed job is aborted first.
    void printAll();

    const std::u16string& docName() const { return m_docName; }

private:
    std::u16string m_docName; // "%s - Vantolex" with the file name
    bool m_aborted = false;
};

} // namespace vantolex
