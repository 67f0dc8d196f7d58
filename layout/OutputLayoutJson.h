// The output that lays the document out without drawing it and writes the result as JSON.
#pragma once

#include <functional>
#include <memory>
#include <ostream>

#include "layout/OutputBuffered.h"

namespace vantolex {

class OutputLayoutJson : public OutputBuffered
{
public:
    // Lays out on `device` (its capabilities and measures; nothing is drawn) and writes to `out`.
    OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                     std::ostream& out, const Clock& clock = systemClock());

    // Completes the pages and writes the JSON.
    void finish() override;

    // Writes nothing.
    void abort() override { }

private:
    std::ostream& m_out;
};

// Makes OutputLayoutJson outputs on the devices that `makeDevice` returns.
class LayoutJsonFactory : public OutputFactory
{
public:
    LayoutJsonFactory(std::function<std::unique_ptr<Device>()> makeDevice, std::ostream& out,
                      const Clock& clock = systemClock())
        : m_makeDevice(std::move(makeDevice))
        , m_out(out)
        , m_clock(clock)
    {
    }

    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) override;

private:
    std::function<std::unique_ptr<Device>()> m_makeDevice;
    std::ostream& m_out;
    const Clock& m_clock;
};

} // namespace vantolex
