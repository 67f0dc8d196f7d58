#include "layout/OutputLayoutJson.h"

#include "base/Interruption.h"
#include "layout/JobState.h"

namespace vantolex {

OutputLayoutJson::OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings,
                                   std::u16string_view title, ByteSink& sink, const Clock& clock)
    : Output(std::move(device), settings, title, clock)
    , m_sink(sink)
{
    Output::newPage();
}

void OutputLayoutJson::check(int result)
{
    if (result > 0)
        return;
    const std::u16string failure = m_sink.failureText();
    abort();
    throwPrinterError(result, failure);
}

void OutputLayoutJson::write(std::string_view text)
{
    throwIfInterrupted();
    check(m_sink.write(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

void OutputLayoutJson::startDrawingPass()
{
    mutableLayout().totalPages = page();
    restartPlacement();
    Output::newPage();
    m_drawing = true;
    m_open = true; // a sink that fails to open is given up too
    check(m_sink.open(layout().fileName));
    m_writer.emplace(layout(), [this](std::string_view text) { write(text); });
    m_writer->begin();
}

void OutputLayoutJson::writePagesBefore(int number)
{
    while (m_written + 1 < number) {
        std::vector<LineRecord> records;
        records.reserve(m_lines.size());
        for (const Line& line : m_lines)
            records.push_back({ line.column, line.lineInColumn, line.text });
        m_writer->page(m_written, records);
        m_lines.clear();
        ++m_written;
    }
}

void OutputLayoutJson::emitLine()
{
    if (!m_drawing)
        return;
    writePagesBefore(page());
    m_lines.push_back({ column(), lineInColumn(), lineText() });
}

void OutputLayoutJson::finish()
{
    if (!m_drawing)
        startDrawingPass(); // laid out once only: the pages were counted and are written without their lines
    writePagesBefore(page() + 1);
    m_writer->end();
    const int result = m_sink.close();
    m_open = false;
    if (result <= 0) {
        const std::u16string failure = m_sink.failureText();
        m_sink.abandon();
        throwPrinterError(result, failure);
    }
}

void OutputLayoutJson::abort()
{
    if (m_open) {
        m_open = false;
        m_sink.abandon();
    }
}

std::unique_ptr<Output> LayoutJsonFactory::createOutput(const PrintSettings& settings, std::u16string_view title)
{
    std::unique_ptr<Device> device = m_makeDevice();
    if (!device)
        return nullptr;
    return std::make_unique<OutputLayoutJson>(std::move(device), settings, title, m_sink, m_clock);
}

} // namespace vantolex
