#include "layout/OutputPrinterBuffered.h"

#include <exception>

#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "layout/Canvas.h"
#include "layout/JobState.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

OutputPrinterBuffered::OutputPrinterBuffered(std::unique_ptr<Device> device, const PrintSettings& settings,
                                             std::u16string_view title, const Clock& clock)
    : OutputBuffered(std::move(device), settings, title, clock)
    , m_docName(formatText(layoutText::jobName, { std::u16string_view(layout().fileName) }))
{
}

void OutputPrinterBuffered::finish()
{
    completePages();
    if (!m_aborted)
        printAll();
}

void OutputPrinterBuffered::printAll()
{
    Device& printer = device();
    Canvas canvas(printer, layout());
    const PageStore& store = *pageStore();
    // Pages without a line are skipped, unless no page holds one: such a document (breaks only) prints its
    // empty pages with their header and footer, as the direct output does.
    const bool printEmptyPages = store.lineCount() == 0;
    JobState state = JobState::NotStarted;
    auto check = [&printer](int result) {
        if (result <= 0)
            throwPrinterError(result, printer.failureText());
    };

    // A started document ends in exactly one of endDoc and abortDoc. A failure while printing aborts the job
    // and is reported like a failure of the direct output; the job is never left half printed and never
    // counted as printed.
    std::exception_ptr failure;
    try {
        check(printer.startDoc(m_docName));
        state = JobState::Starting;
        for (int index = 0; index < layout().totalPages; ++index) {
            const auto records = store.pageLines(index);
            if (records.empty() && !printEmptyPages)
                continue;
            throwIfInterrupted();
            if (state == JobState::InPage)
                check(printer.endPage());
            state = JobState::InPage;
            check(printer.startPage());
            canvas.beginPage(index + 1);
            for (const LineRecord& record : records)
                canvas.drawLine(record.column, record.lineInColumn, record.text);
        }
        if (state == JobState::InPage)
            check(printer.endPage());
        state = JobState::Finished;
        check(printer.endDoc());
    } catch (...) {
        failure = std::current_exception();
        if (state == JobState::Starting || state == JobState::InPage) {
            state = JobState::Aborted;
            printer.abortDoc();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace vantolex
