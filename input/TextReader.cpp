#include "input/TextReader.h"

#include <cassert>

#include "base/UnicodeTables.h"

namespace vantolex {
namespace {

constexpr char16_t lineFeed = u'\n';
constexpr char16_t carriageReturn = u'\r';
constexpr char16_t formFeed = u'\f';

} // namespace

void TextReader::setText(TextBuffer buffer, std::size_t start)
{
    m_buffer = std::move(buffer);
    m_cursor = m_buffer.get() + start;
    m_lineStart = nullptr;
}

void TextReader::setEncodedText(TextBuffer buffer, int length, const Encoding& decoder)
{
    decoder.decode(buffer, length);
    const std::size_t start = buffer[0] == 0xFEFF ? 1 : 0;
    setText(std::move(buffer), start);
}

bool TextReader::nextLine()
{
    assert(m_cursor);
    if (*m_cursor == 0) {
        // An empty text is delivered as one empty line.
        if (m_lineStart)
            return false;
        m_lineStart = m_cursor;
        return true;
    }
    m_lineStart = m_cursor;
    if (*m_cursor == formFeed) {
        ++m_cursor;
        if (*m_cursor == carriageReturn) {
            ++m_cursor;
            if (*m_cursor == lineFeed)
                ++m_cursor;
        } else if (*m_cursor == lineFeed) {
            ++m_cursor;
        }
        return true;
    }
    for (;;) {
        const char16_t unit = *m_cursor;
        if (unit == carriageReturn) {
            *m_cursor++ = 0;
            if (*m_cursor == lineFeed)
                ++m_cursor;
            return true;
        }
        if (unit == lineFeed) {
            *m_cursor++ = 0;
            return true;
        }
        ++m_cursor;
        if (*m_cursor == 0)
            return true;
    }
}

TextLine TextReader::currentLine() const
{
    assert(m_lineStart);
    if (*m_lineStart == formFeed)
        return { LineKind::ColumnBreak, nullptr };
    return { LineKind::Text, m_lineStart };
}

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
