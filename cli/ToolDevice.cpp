#include "cli/ToolDevice.h"

namespace vantolex {

ToolDevice::ToolDevice(std::unique_ptr<Device> device, std::optional<DeviceCaps> caps, std::function<void(int)> onPage,
                       std::function<void(int)> onDocumentEnd)
    : m_device(std::move(device))
    , m_caps(caps)
    , m_onPage(std::move(onPage))
    , m_onDocumentEnd(std::move(onDocumentEnd))
{
}

int ToolDevice::endDoc()
{
    const int result = m_device->endDoc();
    if (result > 0 && m_onDocumentEnd)
        m_onDocumentEnd(m_device->missingGlyphs());
    return result;
}

int ToolDevice::startPage()
{
    const int result = m_device->startPage();
    if (result > 0 && m_onPage)
        m_onPage(++m_pages);
    return result;
}

} // namespace vantolex
