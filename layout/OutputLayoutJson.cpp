#include "layout/OutputLayoutJson.h"

#include "layout/LayoutJson.h"

namespace vantolex {

OutputLayoutJson::OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings,
                                   std::u16string_view title, std::ostream& out, const Clock& clock)
    : OutputBuffered(std::move(device), settings, title, clock)
    , m_out(out)
{
}

void OutputLayoutJson::finish()
{
    completePages();
    writeLayoutJson(m_out, layout(), *pageStore());
}

std::unique_ptr<Output> LayoutJsonFactory::createOutput(const PrintSettings& settings, std::u16string_view title)
{
    std::unique_ptr<Device> device = m_makeDevice();
    if (!device)
        return nullptr;
    return std::make_unique<OutputLayoutJson>(std::move(device), settings, title, m_out, m_clock);
}

} // namespace vantolex
