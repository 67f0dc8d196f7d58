#include "layout/OutputPrinterBuffered.h"

#include "base/TextFormat.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

OutputPrinterBuffered::OutputPrinterBuffered(std::unique_ptr<Device> device, const PrintSettings& settings,
                                             std::u16string_view title, const Clock& clock)
    : Output(std::move(device), settings, title, clock)
    , m_docName(formatText(layoutText::jobName, { std::u16string_view(layout().fileName) }))
{
    Output::newPage();
}

OutputPrinterBuffered::~OutputPrinterBuffered()
{
    if (m_state == JobState::Starting || m_state == JobState::InPage)
        device().abortDoc();
    m_canvas.reset();
}

// A started document ends in exactly one of endDoc and abortDoc: a failing call aborts it before the failure
// is reported, so that it is never left half printed nor counted as printed.
void OutputPrinterBuffered::check(int result)
{
    if (result > 0)
        return;
    const std::u16string failure = device().failureText();
    if (m_state == JobState::Starting || m_state == JobState::InPage)
        device().abortDoc();
    m_state = JobState::Aborted;
    throwPrinterError(result, failure);
}

void OutputPrinterBuffered::startDrawingPass()
{
    mutableLayout().totalPages = page();
    restartPlacement();
    Output::newPage();
    m_drawing = true;
    m_canvas = std::make_unique<Canvas>(device(), layout());
    check(device().startDoc(m_docName));
    m_state = JobState::Starting;
}

void OutputPrinterBuffered::openPage(int number)
{
    if (m_state == JobState::InPage)
        check(device().endPage());
    m_state = JobState::InPage;
    check(device().startPage());
    m_canvas->beginPage(number);
    m_openPage = number;
}

void OutputPrinterBuffered::emitLine()
{
    if (!m_drawing) {
        m_anyLine = true;
        return;
    }
    if (m_openPage != page())
        openPage(page());
    m_canvas->drawLine(column(), lineInColumn(), lineText());
}

void OutputPrinterBuffered::finish()
{
    if (m_aborted)
        return;
    if (!m_drawing)
        startDrawingPass(); // laid out once only: the pages were counted and are printed without their lines
    if (!m_anyLine) {
        for (int number = 1; number <= layout().totalPages; ++number)
            openPage(number);
    }
    if (m_state == JobState::InPage)
        check(device().endPage());
    m_state = JobState::Finished;
    check(device().endDoc());
}

void OutputPrinterBuffered::abort()
{
    m_aborted = true;
    if (m_state == JobState::Starting || m_state == JobState::InPage) {
        m_state = JobState::Aborted;
        device().abortDoc();
    }
}

} // namespace vantolex
