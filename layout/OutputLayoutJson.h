// The output that lays the document out without drawing it and writes the result as JSON.
#pragma once

#include <functional>
#include <memory>

#include <optional>
#include <string>
#include <vector>

#include "layout/ByteSink.h"
#include "layout/LayoutJson.h"
#include "layout/Output.h"

namespace vantolex {

// The document is laid out twice, as the total page count comes before the pages: the first pass counts the
// pages, the second writes them, holding the lines of one page at a time.
class OutputLayoutJson : public Output
{
public:
    // Lays out on `device` (its capabilities and measures; nothing is drawn) and writes to `sink`, which must
    // outlive the output.
    OutputLayoutJson(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                     ByteSink& sink, const Clock& clock);

    bool prepareForItem() override { return true; }
    bool countsPagesFirst() const override { return true; }

    // Sets the total page count, opens the sink and writes the layout.
    void startDrawingPass() override;

    // Writes the pages not written yet and the end of the document, and closes the sink. A failing sink (here
    // or while the pages are written) gives up the document and raises PrinterError with the sink's own words
    // (failureText) when it has any.
    void finish() override;

    // Gives up a document begun; writes nothing more.
    void abort() override;

protected:
    void emitLine() override;

private:
    struct Line
    {
        int column;
        int lineInColumn;
        std::u16string text;
    };

    void check(int result);
    void write(std::string_view text);
    // Writes the pages before page `number` that are not written yet; the first of them with m_lines.
    void writePagesBefore(int number);

    ByteSink& m_sink;
    bool m_drawing = false; // in the second pass
    bool m_open = false; // the sink holds a document begun
    std::optional<LayoutJsonWriter> m_writer;
    int m_written = 0; // pages written
    std::vector<Line> m_lines; // of the page after them
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
