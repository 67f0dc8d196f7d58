// The output engine's line breaking with the layout option kinsoku: how many characters a wrap carries.
#include "layout/LineBreakRules.h"
#include "layout/Output.h"
#include "layout/SurrogatePairs.h"

namespace vantolex {

// The fewest of the line's last characters whose move to the continuation line, ahead of `next`, leaves a
// full line that does not end with a character that may not end a line and a continuation line that does
// not start with one that may not start it. The line keeps at least its first character, and the carried
// characters with `next` must fit the continuation line; with no such count, 0 (the plain wrap). Oidashi
// only: nothing hangs past the line end, so every character keeps a cell of the grid.
int Output::kinsokuCarry(std::u16string_view next) const
{
    const std::u16string_view line = m_lineText;
    const std::size_t count = m_characters.size();
    int carriedCells = 0;
    for (std::size_t carry = 0; carry < count; ++carry) {
        const LineCharacter& last = m_characters[count - 1 - carry];
        const std::u16string_view starting = carry == 0 ? next : line.substr(m_characters[count - carry].offset);
        if (carry > 0)
            carriedCells += m_characters[count - carry].cells;
        if (mayNotEndLine(leadingCodePoint(line.substr(last.offset))) || mayNotStartLine(leadingCodePoint(starting)))
            continue;
        if (carry == 0)
            return 0;
        // A longer carry fits no better.
        return carryFits(m_characters[count - carry].offset, carriedCells, next) ? static_cast<int>(carry) : 0;
    }
    return 0;
}

// Whether the continuation line, its line-number field, the characters of m_lineText from `carriedFrom`
// (`carriedCells` cells) and `next` leave room for `next` by the engine's own test.
bool Output::carryFits(std::size_t carriedFrom, int carriedCells, std::u16string_view next) const
{
    const int field = continuationFieldCells();
    if (!m_measuringFont)
        return field + carriedCells < m_layout.cellsPerLine;
    std::u16string continuation(static_cast<std::size_t>(field), u' ');
    continuation.append(m_lineText, carriedFrom);
    continuation += next;
    return m_device.textExtent(*m_measuringFont, continuation) < m_layout.columnLength;
}

} // namespace vantolex
