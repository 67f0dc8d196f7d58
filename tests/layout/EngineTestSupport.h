// Grids of chosen size on the recording device, and two concrete outputs that keep what the engine emits.
#pragma once

#include <string>
#include <vector>

#include "base/Utf16.h"
#include "layout/OutputBuffered.h"
#include "layout/RecordingDevice.h"
#include "settings/PrintSettings.h"

namespace vantolex::test {

// Settings and device for a grid of `cells` cells per line, `lines` lines per column and `columns` columns:
// characters-per-line basis, no gap, no line spacing, no header or footer, every cell 100 pixels, a line 200
// pixels high (a column is (cells + 1) × 100 pixels long).
struct Grid
{
    FontDescription font { u"IPAGothic", u"日本語" };
    PrintSettings settings;
    RecordingDevice device;

    Grid(int cells, int lines, int columns = 1, RecordingMeasure measure = RecordingMeasure::FixedPitch)
        : device({ (cells + 1) * 100 * columns, lines * 200, 600, 600 }, measure)
    {
        settings.fontSizeBasis = FontSizeBasis::CharsPerLine;
        settings.charsPerLine = cells;
        settings.columns = columns;
        settings.columnSpacing = 0;
        settings.lineSpacing = 0;
        settings.fontDescriptor = font;
    }
};

// A buffered output that keeps its store; finish() completes the pages.
class OutputKeeping : public OutputBuffered
{
public:
    OutputKeeping(Device& device, const PrintSettings& settings, std::u16string_view title = u"/docs/text.txt")
        : OutputBuffered(device, settings, title, systemClock())
    {
    }

    void finish() override { completePages(); }
    void abort() override { aborted = true; }

    // Text of the records of page `index` (0-based), as UTF-8 for readable failures.
    std::vector<std::string> pageTexts(int index) const
    {
        std::vector<std::string> texts;
        for (const LineRecord& record : pageStore()->pageLines(index))
            texts.push_back(toUtf8(record.text));
        return texts;
    }

    // Text of every record so far, as UTF-8.
    std::vector<std::string> allTexts() const
    {
        std::vector<std::string> texts;
        for (const LineRecord& record : pageStore()->lines())
            texts.push_back(toUtf8(record.text));
        return texts;
    }

    bool aborted = false;
};

// An unbuffered output whose activity the test switches; it records page, column and line of each line.
class OutputDirectProbe : public Output
{
public:
    struct Emitted
    {
        int page;
        int column;
        int lineInColumn;
        std::string text;
        bool operator==(const Emitted&) const = default;
    };

    OutputDirectProbe(Device& device, const PrintSettings& settings)
        : Output(device, settings, u"probe", systemClock())
    {
    }

    void finish() override { }
    void abort() override { }
    bool prepareForItem() override { return active; }

    bool active = true;
    std::vector<Emitted> emitted;

protected:
    void emitLine() override { emitted.push_back({ page(), column(), lineInColumn(), toUtf8(lineText()) }); }
};

} // namespace vantolex::test
