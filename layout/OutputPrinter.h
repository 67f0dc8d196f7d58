// The direct printer output: the job starts at the first line that reaches it, and every display line is
// drawn the moment it is emitted.
#pragma once

#include <memory>
#include <string>

#include "layout/Canvas.h"
#include "layout/JobState.h"
#include "layout/Output.h"

namespace vantolex {

class OutputPrinter : public Output
{
public:
    // Takes over `printer`. Throws Warning from the layout or when the canvas cannot make its fonts.
    OutputPrinter(std::unique_ptr<Device> printer, const PrintSettings& settings, std::u16string_view title,
                  const Clock& clock);

    // Ends an open job: the open page, then the document (aborted when the page could not be ended); an
    // aborted job is aborted once more.
    ~OutputPrinter() override;

    void newPage() override;
    void finish() override;
    void abort() override;

    // Starts the job at the first item; false once the job is aborted or finished.
    bool prepareForItem() override;

    const std::u16string& docName() const { return m_docName; }
    JobState state() const { return m_state; }

protected:
    void emitLine() override;

private:
    void startJob();
    [[noreturn]] void printerError(int result);

    std::u16string m_docName; // "%s - Vantolex" with the file name
    JobState m_state = JobState::NotStarted;
    std::unique_ptr<Canvas> m_canvas;
};

} // namespace vantolex
