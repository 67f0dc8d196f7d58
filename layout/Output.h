// The output engine: the abstract destination of a print run, which places source lines on the page grid
// and hands each finished display line, with its grid position, to the concrete output.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "layout/Clock.h"
#include "layout/Device.h"
#include "layout/PageLayout.h"
#include "settings/PrintSettings.h"

namespace vantolex {

// Placement rules: every line starts with the line-number field when line numbers are on; tabs expand to
// the next tab stop of the source text (to one space with a proportional font); with a fixed-pitch font a
// character outside the printable set prints as U+FF65 and a double-width character takes two cells. A line
// holds layout().cellsPerLine cells and the column one more, so a double-width character starting in the
// last cell still fits. A full line wraps onto a continuation line (indented under the text, one cell more
// after an overhang) or, with wrapping off, is cut. The move to the next column or page is lazy: it happens
// only when a display line is about to be emitted into a full column, or on an explicit break.
//
// With the layout option kinsoku, a wrap moves the last characters of the full line (as few as the rules of
// layout/LineBreakRules.h need, never all of them) to the continuation line, so that it does not start with
// a character that may not start a line and the full line does not end with one that may not end it; when
// no such move fits the continuation line, the line wraps as without the option. With the layout option
// supplementary, a surrogate pair is one character: two cells when it is wide, one otherwise, U+FF65 when
// it is not printable; a lone surrogate stays unprintable.
//
// The run ends with NotifyEndOutput: from putLine after the line layout().lastLine, or from newPage when
// the page limit is reached. Warnings of the layout and failures of concrete outputs pass through.
class Output
{
public:
    virtual ~Output();

    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Continue on a new page (a page-break item; also called by the engine when the last column is full).
    // With the page limit reached throws NotifyEndOutput and changes nothing.
    virtual void newPage();

    // The normal end of a run, after the last item or after NotifyEndOutput.
    virtual void finish() = 0;

    // The run failed; the output gives up what it has.
    virtual void abort() = 0;

    // Readies the output for the next line or break and tells whether it takes it: false when it takes no
    // more (an aborted or finished printer output). The direct printer output starts its job here, at the
    // first item that reaches it, and may throw PrinterError.
    virtual bool prepareForItem() = 0;

    // Whether the run lays the document out twice: a first pass that only counts the pages, then, after
    // startDrawingPass(), a second pass over the same items that draws them with the total page count known.
    virtual bool countsPagesFirst() const { return false; }

    // Between the two passes of an output that counts pages first: layout().totalPages becomes the number of
    // pages of the first pass, and placement starts again on page 1.
    virtual void startDrawingPass() { }

    // Places one source line. `lineNumber` is the absolute, 1-based number of the line in the source;
    // `text` holds no line terminator (a U+0000 in it is an ordinary unprintable character).
    void putLine(int lineNumber, std::u16string_view text);

    // Continue in the next column (a column-break item).
    void breakColumn();

    const PageLayout& layout() const { return m_layout; }
    const PrintSettings& settings() const { return m_settings; }
    int page() const { return m_page; } // 0 before the first page, then 1, 2, ...
    int column() const { return m_column; } // 0-based column on the page
    int lineInColumn() const { return m_lineInColumn; } // 0-based next display line; may equal columnLines

protected:
    // Computes the layout (computeLayout; a Warning ends the construction). With a proportional font also
    // makes the measuring font from the layout's font on `device`; a device that cannot make it gives
    // Error with layoutText::measuringFontFailed. The output keeps its own copy of `settings`; `device` must
    // outlive it.
    Output(Device& device, const PrintSettings& settings, std::u16string_view title, const Clock& clock);

    // The same with a device that the output owns and releases last, after its fonts (a printer output's
    // device context). `device` must not be null.
    Output(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
           const Clock& clock);

    // Hands over one finished display line: lineText() at column() and lineInColumn().
    virtual void emitLine() = 0;

    // Back to where the output stood before its first page: nothing placed, page 0.
    void restartPlacement();

    const std::u16string& lineText() const { return m_lineText; }
    Device& device() { return m_device; }
    PageLayout& mutableLayout() { return m_layout; }

private:
    void makeMeasuringFont();
    void placeLineNumber(int lineNumber);
    void place(std::u16string_view character, int cells);
    void ensureRoom(std::u16string_view character, int cells);
    void append(std::u16string_view character, int cells);
    int kinsokuCarry(std::u16string_view next) const; // in OutputKinsoku.cpp
    bool carryFits(std::size_t carriedFrom, int carriedCells, std::u16string_view next) const;
    int continuationFieldCells() const;
    void endLine();
    void advanceIfColumnFull();

    std::unique_ptr<Device> m_ownedDevice; // null when the caller keeps the device; destroyed last
    Device& m_device;
    PageLayout m_layout;
    const PrintSettings m_settings;
    std::u16string m_lineText; // the display line being built
    int m_column = 0;
    int m_lineInColumn = 0;
    int m_page = 0;
    int m_cellPos = 0; // cells used by m_lineText
    int m_sourceCells = 0; // cells of the source line's own text, for the tab stops
    // With kinsoku: the characters of m_lineText after its line-number field or indent.
    struct LineCharacter
    {
        std::size_t offset; // first code unit in m_lineText
        int cells;
    };
    std::vector<LineCharacter> m_characters;
    std::unique_ptr<DeviceFont> m_measuringFont; // only with a proportional font
};

// Makes the outputs of print runs. The print run never names a concrete output class.
class OutputFactory
{
public:
    virtual ~OutputFactory() = default;

    // A new output for printing `title` with `settings`, or null when the user cancels the choice of
    // printer.
    virtual std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) = 0;
};

} // namespace vantolex
