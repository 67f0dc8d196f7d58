#include "layout/Output.h"

#include <algorithm>
#include <cassert>

#include "base/Errors.h"
#include "base/UnicodeTables.h"
#include "layout/LayoutMessages.h"
#include "layout/SurrogatePairs.h"

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
    const bool supplementary = m_settings.layoutOptions.supplementary;
    const std::u16string_view spaceText(&space, 1);
    const std::u16string_view markText(&unprintableMark, 1);
    try {
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char16_t unit = text[at];
            if (unit == tab) {
                if (proportional) {
                    place(spaceText, 1);
                    continue;
                }
                do {
                    place(spaceText, 1);
                    ++m_sourceCells;
                } while (m_sourceCells % m_settings.tabWidth != 0);
            } else if (supplementary && isSurrogatePair(text, at)) {
                const std::u16string_view pair = text.substr(at, 2);
                const char32_t codePoint = leadingCodePoint(pair);
                ++at;
                if (isPrintableSupplementary(codePoint)) {
                    const int cells = isWideSupplementary(codePoint) ? 2 : 1;
                    place(pair, cells);
                    m_sourceCells += cells;
                } else {
                    place(proportional ? pair : markText, 1);
                    ++m_sourceCells;
                }
            } else if (!isPrintable(unit)) {
                place(proportional ? text.substr(at, 1) : markText, 1);
                ++m_sourceCells;
            } else {
                const int cells = isDoubleWidth(unit) ? 2 : 1;
                place(text.substr(at, 1), cells);
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

void Output::place(std::u16string_view character, int cells)
{
    ensureRoom(character, cells);
    append(character, cells);
}

void Output::append(std::u16string_view character, int cells)
{
    if (m_settings.layoutOptions.kinsoku)
        m_characters.push_back({ m_lineText.size(), cells });
    m_lineText += character;
    m_cellPos += cells;
}

int Output::continuationFieldCells() const
{
    return m_settings.lineNumberInterval > 0 ? m_settings.lineNumberDigits + 1 : 0;
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

void Output::ensureRoom(std::u16string_view character, int cells)
{
    const int cellsPerLine = m_layout.cellsPerLine;
    if (m_measuringFont) {
        const std::size_t length = m_lineText.size();
        m_lineText += character;
        const int width = m_device.textExtent(*m_measuringFont, m_lineText);
        m_lineText.resize(length);
        if (width < m_layout.columnLength)
            return;
    } else if (m_cellPos < cellsPerLine) {
        return;
    }
    if (!m_settings.wrapLines)
        throw NotifyEndLine();

    // The characters that move to the continuation line with `character` (kinsoku only).
    std::u16string carried;
    std::vector<LineCharacter> carriedCharacters; // offsets into `carried`
    if (const int carry = m_settings.layoutOptions.kinsoku ? kinsokuCarry(character) : 0; carry > 0) {
        const std::size_t first = m_characters.size() - static_cast<std::size_t>(carry);
        const std::size_t from = m_characters[first].offset;
        carried = m_lineText.substr(from);
        for (std::size_t index = first; index < m_characters.size(); ++index) {
            carriedCharacters.push_back({ m_characters[index].offset - from, m_characters[index].cells });
            m_cellPos -= m_characters[index].cells;
        }
        m_lineText.resize(from);
    }

    advanceIfColumnFull();
    emitLine();
    ++m_lineInColumn;

    // 1 after a double-width overhang; none when characters were carried, for the line then ends short.
    int indent = m_measuringFont ? 0 : std::max(0, m_cellPos - cellsPerLine);
    indent += continuationFieldCells();
    if (!m_measuringFont && carried.empty()) {
        // The character is appended without a second test. On the narrowest grids (one cell per line, or
        // one cell of text beside the line number) the overhang indent would push a double-width
        // character out of the column; there the indent gives way so that the character still fits.
        indent = std::min(indent, cellsPerLine + 1 - cells);
    }
    m_lineText.assign(static_cast<std::size_t>(indent), space);
    m_cellPos = indent;
    m_characters.clear();
    for (std::size_t index = 0; index < carriedCharacters.size(); ++index) {
        const std::size_t from = carriedCharacters[index].offset;
        const std::size_t to
            = index + 1 < carriedCharacters.size() ? carriedCharacters[index + 1].offset : carried.size();
        append(std::u16string_view(carried).substr(from, to - from), carriedCharacters[index].cells);
    }
}

void Output::endLine()
{
    advanceIfColumnFull();
    emitLine();
    ++m_lineInColumn;
    m_lineText.clear();
    m_characters.clear();
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
    m_characters.clear();
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
