#include "layout/OutputPrinter.h"

#include "base/TextFormat.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

OutputPrinter::OutputPrinter(std::unique_ptr<Device> printer, const PrintSettings& settings, std::u16string_view title,
                             const Clock& clock)
    : Output(std::move(printer), settings, title, clock)
    , m_docName(formatText(layoutText::jobName, { std::u16string_view(layout().fileName) }))
    , m_canvas(std::make_unique<Canvas>(device(), layout()))
{
}

OutputPrinter::~OutputPrinter()
{
    Device& printer = device();
    if (m_state == JobState::InPage) {
        if (printer.endPage() > 0)
            printer.endDoc();
        else
            printer.abortDoc();
    } else if (m_state == JobState::Aborted) {
        printer.abortDoc();
    }
    m_canvas.reset();
}

void OutputPrinter::printerError(int result)
{
    m_state = JobState::Aborted;
    throwPrinterError(result, device().failureText());
}

void OutputPrinter::startJob()
{
    const int result = device().startDoc(m_docName);
    if (result <= 0)
        printerError(result);
    m_state = JobState::Starting;
    newPage();
    m_state = JobState::InPage;
}

bool OutputPrinter::prepareForItem()
{
    switch (m_state) {
    case JobState::NotStarted:
        startJob();
        return true;
    case JobState::Starting:
    case JobState::InPage:
        return true;
    case JobState::Aborted:
    case JobState::Finished:
        break;
    }
    return false;
}

void OutputPrinter::newPage()
{
    const int pageBefore = page();
    Output::newPage();
    if (page() == pageBefore)
        return; // an inactive output takes no page
    if (m_state == JobState::InPage) {
        const int result = device().endPage();
        if (result <= 0)
            printerError(result);
    }
    const int result = device().startPage();
    if (result <= 0)
        printerError(result);
    m_canvas->beginPage(page());
}

void OutputPrinter::finish()
{
    switch (m_state) {
    case JobState::NotStarted:
    case JobState::Starting:
        m_state = JobState::Finished; // a run that placed nothing starts no job
        break;
    case JobState::InPage: {
        m_state = JobState::Finished;
        int result = device().endPage();
        if (result > 0)
            result = device().endDoc();
        if (result <= 0)
            printerError(result);
        break;
    }
    case JobState::Aborted:
    case JobState::Finished:
        break;
    }
}

void OutputPrinter::abort()
{
    if (m_state == JobState::InPage) {
        m_state = JobState::Aborted;
        device().abortDoc();
    }
}

void OutputPrinter::emitLine()
{
    m_canvas->drawLine(column(), lineInColumn(), lineText());
}

} // namespace vantolex
