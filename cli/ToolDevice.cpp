#include "cli/ToolDevice.h"

namespace vantolex {

ToolDevice::ToolDevice(std::unique_ptr<Device> device, std::optional<DeviceCaps> caps, std::function<void(int)> onPage)
    : m_device(std::move(device))
    , m_caps(caps)
    , m_onPage(std::move(onPage))
{
}

int ToolDevice::startPage()
{
    const int result = m_device->startPage();
    if (result > 0 && m_onPage)
        m_onPage(++m_pages);
    return result;
}

} // namespace vantolex
