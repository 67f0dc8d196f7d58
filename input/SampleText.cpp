#include "base/UnicodeTables.h"
#include "input/TextReader.h"

namespace vantolex {

std::u16string TextReader::sampleText() const
{
    if (!m_cursor)
        return {};
    const char16_t* position = m_cursor;
    while (*position != 0 && !isPrintable(*position))
        ++position;
    const char16_t* start = position;
    while (*position != 0 && isPrintable(*position))
        ++position;
    return std::u16string(start, position);
}

} // namespace vantolex
