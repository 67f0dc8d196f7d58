#include "input/TextReader.h"

#include <cassert>

#include "base/UnicodeTables.h"

namespace vantolex {
namespace {

constexpr char16_t lineFeed = u'\n';
constexpr char16_t carriageReturn = u'\r';
constexpr char16_t formFeed = u'\f';
constexpr char16_t byteOrderMark = 0xFEFF;

} // namespace

TextReader::TextReader() = default;

TextReader::~TextReader() = default;

void TextReader::setSource(std::unique_ptr<TextSource> source, bool skipByteOrderMark)
{
    m_source = std::move(source);
    m_skipByteOrderMark = skipByteOrderMark;
    m_window.clear();
    m_started = false;
    m_ended = false;
    m_lineStart = none;
    m_cursor = 0;
}

void TextReader::setText(TextBuffer buffer, std::size_t start)
{
    setSource(std::make_unique<MemoryTextSource>(std::u16string(buffer.get() + start)), false);
}

void TextReader::setEncodedText(TextBuffer buffer, int length, const Encoding& decoder)
{
    decoder.decode(buffer, length);
    setSource(std::make_unique<MemoryTextSource>(std::u16string(buffer.get())), true);
}

void TextReader::rewind()
{
    assert(m_source);
    m_source->rewind();
    setSource(std::move(m_source), m_skipByteOrderMark);
}

bool TextReader::ensureUnits(std::size_t count) const
{
    while (m_window.size() - m_cursor < count) {
        if (m_ended)
            return false;
        const std::size_t before = m_window.size();
        if (!m_source->read(m_window)) {
            m_ended = true;
            continue;
        }
        // What lies before the item delivered last is done with: dropped whenever the window has grown, and
        // only then, so that a text read whole (the clipboard's) stays where it is.
        const std::size_t keep = m_lineStart == none ? m_cursor : m_lineStart;
        if (keep > 0) {
            m_window.erase(0, keep);
            m_cursor -= keep;
            if (m_lineStart != none)
                m_lineStart = 0;
        }
        const std::size_t fresh = before - keep;
        if (const std::size_t zero = m_window.find(u'\0', fresh); zero != std::u16string::npos) {
            m_window.resize(zero);
            m_ended = true;
        }
    }
    return true;
}

void TextReader::start() const
{
    if (m_started)
        return;
    m_started = true;
    if (m_skipByteOrderMark && ensureUnits(1) && m_window[m_cursor] == byteOrderMark)
        ++m_cursor;
}

bool TextReader::nextLine()
{
    assert(m_source);
    start();
    if (!ensureUnits(1)) {
        // An empty text is delivered as one empty line.
        if (m_lineStart != none)
            return false;
        m_lineStart = m_cursor;
        return true;
    }
    m_lineStart = m_cursor;
    if (m_window[m_cursor] == formFeed) {
        ++m_cursor;
        if (ensureUnits(1)) {
            if (m_window[m_cursor] == carriageReturn) {
                ++m_cursor;
                if (ensureUnits(1) && m_window[m_cursor] == lineFeed)
                    ++m_cursor;
            } else if (m_window[m_cursor] == lineFeed) {
                ++m_cursor;
            }
        }
        return true;
    }
    for (;;) {
        const char16_t* units = m_window.data();
        const std::size_t end = m_window.size();
        std::size_t position = m_cursor;
        while (position < end && units[position] != carriageReturn && units[position] != lineFeed)
            ++position;
        m_cursor = position;
        if (position < end)
            break;
        if (!ensureUnits(1))
            return true; // the line ends with the text, before the window's own 0 unit
    }
    const bool carriage = m_window[m_cursor] == carriageReturn;
    m_window[m_cursor++] = 0;
    if (carriage && ensureUnits(1) && m_window[m_cursor] == lineFeed)
        ++m_cursor;
    return true;
}

TextLine TextReader::currentLine() const
{
    assert(m_lineStart != none);
    const char16_t* start = m_window.data() + m_lineStart;
    if (*start == formFeed)
        return { LineKind::ColumnBreak, nullptr };
    return { LineKind::Text, start };
}

std::u16string TextReader::sampleText() const
{
    if (!m_source)
        return {};
    start();
    std::size_t offset = 0; // from the cursor, which stays where it is
    while (ensureUnits(offset + 1) && !isPrintable(m_window[m_cursor + offset]))
        ++offset;
    std::u16string sample;
    while (ensureUnits(offset + 1) && isPrintable(m_window[m_cursor + offset]))
        sample += m_window[m_cursor + offset++];
    return sample;
}

} // namespace vantolex
