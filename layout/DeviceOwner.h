// Holds the device of an output that owns its device. A base class listed before Output, so that the
// device is made before the layout is computed on it and released after the output is gone.
#pragma once

#include <cassert>
#include <memory>

#include "layout/device/Device.h"

namespace vantolex {

class DeviceOwner
{
protected:
    explicit DeviceOwner(std::unique_ptr<Device> device) : m_ownedDevice(std::move(device))
    {
        assert(m_ownedDevice);
    }

    Device& ownedDevice() { return *m_ownedDevice; }

private:
    std::unique_ptr<Device> m_ownedDevice;
};

} // namespace vantolex
