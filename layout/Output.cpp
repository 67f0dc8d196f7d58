#include "layout/Output.h"

#include <algorithm>
#include <cassert>

#include "base/Errors.h"
#include "base/UnicodeTables.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

namespace {

constexpr char16_t tab = u'\t';
constexpr char16_t space = u' ';
constexpr char16_t unprintableMark = u'\uFF65'; // halfwidth katakana middle dot

std::unique_ptr<Device> required(std::unique_ptr<Device> device)
{
    assert(device != nullptr);
    return device;
}

} // namespace

Output::Output(Device& device, const PrintSettings& settings, std::u16string_view title, const Clock& clock)
    : m_device(device)
    , m_layout(computeLayout(device, settings, title, clock))
    , m_settings(settings)
{
    makeMeasuringFont();
}

Output::Output(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
               const Clock& clock)
    : m_ownedDevice(required(std::move(device)))
    , m_device(*m_ownedDevice)
    , m_layout(computeLayout(m_device, settings, title, clock))
    , m_settings(settings)
{
    makeMeasuringFont();
}

void Output::makeMeasuringFont()
{
    if (m_settings.proportional) {
        m_measuringFont = m_device.createFont(m_layout.font);
        if (!m_measuringFont)
            throw Error(std::u16string(layoutText::measuringFontFailed));
    }
}

Output::~Output() = default;

void Output::putLine(int lineNumber, std::u16string_view text)
{
    if (!prepareForItem())
        return;
    m_sourceCells = 0;
    placeLineNumber(lineNumber);
    const bool proportional = m_settings.proportional;
    try {
        for (char16_t unit : text) {
            if (unit == tab) {
                if (proportional) {
                    ensureRoom(space, 1);
                    append(space, 1);
                    continue;
                }
                do {
                    ensureRoom(space, 1);
                    append(space, 1);
                    ++m_sourceCells;
                } while (m_sourceCells % m_settings.tabWidth != 0);
            } else if (!isPrintable(unit)) {
                const char16_t shown = proportional ? unit : unprintableMark;
                ensureRoom(shown, 1);
                append(shown, 1);
                ++m_sourceCells;
            } else {
                const int cells = isDoubleWidth(unit) ? 2 : 1;
                ensureRoom(unit, cells);
                append(unit, cells);
                m_sourceCells += cells;
            }
        }
    } catch (const NotifyEndLine&) {
        // Wrapping is off and the line is full: the rest of the source line is dropped.
    }
    endLine();
    if (lineNumber == m_layout.lastLine)
        throw NotifyEndOutput();
}

void Output::append(char16_t unit, int cells)
{
    m_lineText += unit;
    m_cellPos += cells;
}

void Output::placeLineNumber(int lineNumber)
{
    const int interval = m_settings.lineNumberInterval;
    if (interval == 0)
        return;
    const int fieldWidth = m_settings.lineNumberDigits + 1;
    if (lineNumber == 1 || lineNumber % interval == 0) {
        const std::u16string field = applyLineNumberFormat(m_layout.lineNumberFormat, lineNumber);
        // A number longer than the field loses its leading digits.
        const std::size_t keep = std::min(field.size(), static_cast<std::size_t>(fieldWidth));
        m_lineText.append(field, field.size() - keep, keep);
    } else {
        m_lineText.append(static_cast<std::size_t>(fieldWidth), space);
    }
    m_cellPos += fieldWidth;
}

void Output::ensureRoom(char16_t unit, int cells)
{
    const int cellsPerLine = m_layout.cellsPerLine;
    if (m_measuringFont) {
        m_lineText += unit;
        const int width = m_device.textExtent(*m_measuringFont, m_lineText);
        m_lineText.pop_back();
        if (width < m_layout.columnLength)
            return;
    } else if (m_cellPos < cellsPerLine) {
        return;
    }
    if (!m_settings.wrapLines)
        throw NotifyEndLine();

    advanceIfColumnFull();
    emitLine();
    ++m_lineInColumn;

    int indent = m_measuringFont ? 0 : m_cellPos - cellsPerLine; // 1 after a double-width overhang
    if (m_settings.lineNumberInterval > 0)
        indent += m_settings.lineNumberDigits + 1;
    if (!m_measuringFont) {
        // The character is appended without a second test. On the narrowest grids (one cell per line, or
        // one cell of text beside the line number) the overhang indent would push a double-width
        // character out of the column; there the indent gives way so that the character still fits.
        indent = std::min(indent, cellsPerLine + 1 - cells);
    }
    m_lineText.assign(static_cast<std::size_t>(indent), space);
    m_cellPos = indent;
}

void Output::endLine()
{
    advanceIfColumnFull();
    emitLine();
    ++m_lineInColumn;
    m_lineText.clear();
    m_cellPos = 0;
}

void Output::advanceIfColumnFull()
{
    if (m_lineInColumn >= m_layout.columnLines)
        breakColumn();
}

void Output::breakColumn()
{
    if (!prepareForItem())
        return;
    ++m_column;
    m_lineInColumn = 0;
    if (m_column >= m_settings.columns)
        newPage();
}

void Output::restartPlacement()
{
    m_lineText.clear();
    m_column = 0;
    m_lineInColumn = 0;
    m_page = 0;
    m_cellPos = 0;
    m_sourceCells = 0;
}

void Output::newPage()
{
    if (!prepareForItem())
        return;
    if (m_settings.endCondition == EndCondition::PageCount && m_page == m_settings.endValue)
        throw NotifyEndOutput();
    ++m_page;
    m_column = 0;
    m_lineInColumn = 0;
}

} // namespace vantolex
