#include "input/MultiReader.h"

#include <cassert>

#include "input/SeparatorMethod.h"

namespace vantolex {

MultiReader::MultiReader(int separatorMethod, int separatorLines)
    : m_separatorMethod(separatorMethod)
    , m_separatorCount(separatorMethod == SeparatorMethod::BlankLines ? separatorLines : 1)
{
    assert(m_separatorCount >= 0);
}

bool MultiReader::nextLine()
{
    for (;;) {
        if (m_pendingSeparators > 0) {
            --m_pendingSeparators;
            m_inSeparator = true;
            return true;
        }
        m_inSeparator = false;
        if (m_current) {
            if (m_current->nextLine())
                return true;
            m_pendingSeparators = m_separatorCount;
        }
        m_current.reset();
        m_current = openNextReader();
        if (!m_current)
            return false;
    }
}

void MultiReader::rewind()
{
    m_current.reset();
    m_pendingSeparators = 0;
    m_inSeparator = false;
}

TextLine MultiReader::currentLine() const
{
    if (m_inSeparator) {
        switch (m_separatorMethod) {
        case SeparatorMethod::BlankLines:
            return { LineKind::Text, u"" };
        case SeparatorMethod::ColumnBreak:
            return { LineKind::ColumnBreak, nullptr };
        case SeparatorMethod::PageBreak:
            return { LineKind::PageBreak, nullptr };
        default:
            break;
        }
    }
    assert(m_current);
    return m_current->currentLine();
}

} // namespace vantolex
