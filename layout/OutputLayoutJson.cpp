#include "layout/OutputLayoutJson.h"

#include "base/Interruption.h"
#include "layout/JobState.h"
#include "layout/LayoutJson.h"

namespace vantolex {

OutputLayoutJson::OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings,
                                   std::u16string_view title, ByteSink& sink, const Clock& clock)
    : OutputBuffered(std::move(device), settings, title, clock)
    , m_sink(sink)
{
}

void OutputLayoutJson::finish()
{
    completePages();
    auto check = [this](int result) {
        if (result <= 0)
            throwPrinterError(result, m_sink.failureText());
    };
    try {
        check(m_sink.open(layout().fileName));
        writeLayoutJson(layout(), *pageStore(), [&](std::string_view text) {
            throwIfInterrupted();
            check(m_sink.write(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
        });
        check(m_sink.close());
    } catch (...) {
        m_sink.abandon();
        throw;
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
