// Drives the page layout and the output engine with random settings, device capabilities and lines on the
// recording device. Aborts on any crash, on any exception other than the layout warnings and the end of the
// range, and when a display line leaves its column or the grid, or the page store is inconsistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Errors.h"
#include "base/UnicodeTables.h"
#include "layout/OutputBuffered.h"
#include "layout/RecordingDevice.h"

namespace {

using namespace vantolex;

// Reads the input front to back; past its end every read gives 0.
class Bytes
{
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    std::uint8_t byte() { return m_position < m_size ? m_data[m_position++] : 0; }
    int number(int modulo) { return (byte() << 8 | byte()) % modulo; }
    bool flag() { return (byte() & 1) != 0; }
    std::size_t remaining() const { return m_size - std::min(m_position, m_size); }
    char16_t unit() { return static_cast<char16_t>(byte() | byte() << 8); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

[[noreturn]] void fail()
{
    std::abort();
}

// Dates and times in headers from a fixed clock, so that a run repeats exactly.
const ClockFixed fuzzClock(LocalDateTime { 2026, 12, 9, 12, 0, 0 });

class OutputChecked : public OutputBuffered
{
public:
    OutputChecked(Device& device, const PrintSettings& settings)
        : OutputBuffered(device, settings, u"/fuzz/t.txt", fuzzClock)
    {
        if (settings.proportional)
            m_font = device.createFont(layout().font);
    }

    void finish() override { completePages(); }
    void abort() override { }

protected:
    void emitLine() override
    {
        const PageLayout& grid = layout();
        if (column() < 0 || column() >= settings().columns || lineInColumn() < 0 || lineInColumn() >= grid.columnLines
            || page() < 1)
            fail();
        const std::u16string& text = lineText();
        if (settings().proportional) {
            const int field = settings().lineNumberInterval != 0 ? settings().lineNumberDigits + 1 : 0;
            if (static_cast<int>(text.size()) > field + 1 && device().textExtent(*m_font, text) >= grid.columnLength)
                fail();
        } else {
            int cells = 0;
            for (std::size_t at = 0; at < text.size(); ++at) {
                const char16_t unit = text[at];
                if (settings().layoutOptions.supplementary && unit >= 0xD800 && unit < 0xDC00 && at + 1 < text.size()
                    && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000) {
                    // A pair stands only for a printable character beyond the BMP.
                    const char32_t c = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[++at] - 0xDC00);
                    if (!isPrintableSupplementary(c))
                        fail();
                    cells += isWideSupplementary(c) ? 2 : 1;
                    continue;
                }
                if (!isPrintable(unit))
                    fail(); // every unprintable unit must have become U+FF65
                cells += isDoubleWidth(unit) ? 2 : 1;
            }
            if (cells > grid.cellsPerLine + 1)
                fail();
        }
        OutputBuffered::emitLine();
    }

private:
    std::unique_ptr<DeviceFont> m_font;
};

DeviceCaps readCaps(Bytes& in)
{
    if (in.byte() == 0xFF) { // now and then anything at all
        auto any = [&in] { return static_cast<int>(in.byte() | in.byte() << 8 | in.byte() << 16 | in.byte() << 24); };
        const int width = any(), height = any(), dpiX = any(), dpiY = any();
        return { width, height, dpiX, dpiY };
    }
    const int width = in.number(20000) + 1;
    const int height = in.number(20000) + 1;
    const int dpiX = in.number(2400) + 1;
    const int dpiY = in.number(2400) + 1;
    return { width, height, dpiX, dpiY };
}

PrintSettings readSettings(Bytes& in)
{
    PrintSettings s;
    s.fontSizeBasis = in.byte() % 3;
    s.charsPerLine = in.number(1000);
    s.linesPerColumn = in.number(1000);
    s.fontPoints = in.number(1000);
    s.columns = in.byte() % 10;
    s.tabWidth = in.byte() % 100;
    s.wrapLines = in.flag();
    s.lineNumberInterval = lineNumberIntervals[in.byte() % 7];
    s.lineNumberDigits = in.byte() % 10;
    s.vertical = in.flag();
    s.proportional = in.flag();
    s.useMargins = in.flag();
    s.marginTop = in.byte() % 51;
    s.marginBottom = in.byte() % 51;
    s.marginLeft = in.byte() % 51;
    s.marginRight = in.byte() % 51;
    s.lineSpacing = in.byte() % 5;
    s.columnSpacing = in.byte() % 51;
    s.startLine = in.number(50);
    s.endCondition = in.byte() % 4;
    s.endValue = in.number(300);
    s.useHeaderFooter = in.flag();
    s.showFileName = in.flag();
    s.showPageNumber = in.flag();
    const std::u16string templates[] = { u"", u" ", u"&p", u"&w &P", u"&&" };
    s.headerLeft = templates[in.byte() % 5];
    s.footerRight = templates[in.byte() % 5];
    s.layoutOptions.kinsoku = in.flag();
    s.layoutOptions.supplementary = in.flag();
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    const DeviceCaps caps = readCaps(in);
    PrintSettings settings = readSettings(in);
    const RecordingMeasure measure = in.flag() ? RecordingMeasure::Proportional : RecordingMeasure::FixedPitch;
    FontDescription font;
    font.faceName = u"IPAGothic";
    settings.fontDescriptor = font;
    if (!isValid(settings))
        return 0;

    RecordingDevice device(caps, measure);
    device.recordExtents(false);
    std::unique_ptr<OutputChecked> output;
    try {
        output = std::make_unique<OutputChecked>(device, settings);
    } catch (const Warning&) {
        return 0; // an impossible grid, reported as it should be
    }

    int lineNumber = settings.startLine;
    std::u16string line;
    try {
        // Units 0x000A end a line; a line that is exactly U+000C is a page break, exactly U+000B a column break.
        while (in.remaining() > 0) {
            const char16_t unit = in.unit();
            if (unit != u'\n') {
                line += unit;
                continue;
            }
            if (line == u"\f")
                output->newPage();
            else if (line == u"\v")
                output->breakColumn();
            else
                output->putLine(++lineNumber, line);
            line.clear();
        }
        if (!line.empty())
            output->putLine(++lineNumber, line);
    } catch (const NotifyEndOutput&) {
    }
    output->finish();

    const PageStore& store = *output->pageStore();
    const std::vector<int>& starts = store.pageStarts();
    if (starts.size() < 2 || starts.front() != 0 || starts.back() != store.lineCount())
        fail();
    for (std::size_t i = 1; i < starts.size(); ++i) {
        if (starts[i] < starts[i - 1])
            fail();
    }
    if (output->layout().totalPages != store.pageCount())
        fail();
    if (settings.endCondition == EndCondition::PageCount && store.pageCount() > settings.endValue)
        fail();
    return 0;
}
