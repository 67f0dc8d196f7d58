// The output that lays the document out without drawing it and writes the result as JSON.
#pragma once

#include <functional>
#include <memory>

#include "layout/ByteSink.h"
#include "layout/OutputBuffered.h"

namespace vantolex {

class OutputLayoutJson : public OutputBuffered
{
public:
    // Lays out on `device` (its capabilities and measures; nothing is drawn) and writes to `sink`, which must
    // outlive the output.
    OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                     ByteSink& sink, const Clock& clock);

    // Completes the pages and writes the JSON through the sink, one page at a time. A failing sink gives up
    // the document and raises PrinterError with the sink's own words (failureText) when it has any.
    void finish() override;

    // Writes nothing.
    void abort() override { }

private:
    ByteSink& m_sink;
};

// Makes OutputLayoutJson outputs on the devices that `makeDevice` returns.
class LayoutJsonFactory : public OutputFactory
{
public:
    LayoutJsonFactory(std::function<std::unique_ptr<Device>()> makeDevice, ByteSink& sink, const Clock& clock)
        : m_makeDevice(std::move(makeDevice))
        , m_sink(sink)
        , m_clock(clock)
    {
    }

    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) override;

private:
    std::function<std::unique_ptr<Device>()> m_makeDevice;
    ByteSink& m_sink;
    const Clock& m_clock;
};

} // namespace vantolex
