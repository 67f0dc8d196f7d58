#include "layout/PageStore.h"

namespace vantolex {

LineRecord LineRange::Iterator::operator*() const
{
    const PageStore::StoredLine& line = m_store->m_lines[static_cast<std::size_t>(m_index)];
    return { line.column, line.lineInColumn,
             std::u16string_view(m_store->m_text).substr(m_textStart, line.textLength) };
}

LineRange::Iterator& LineRange::Iterator::operator++()
{
    m_textStart += m_store->m_lines[static_cast<std::size_t>(m_index)].textLength;
    ++m_index;
    return *this;
}

LineRecord LineRange::back() const
{
    Iterator last = begin();
    for (int index = m_first + 1; index < m_end; ++index)
        ++last;
    return *last;
}

void PageStore::addPageBoundary()
{
    m_pageStarts.push_back(lineCount());
    m_pageTextStarts.push_back(m_text.size());
}

void PageStore::addLine(int column, int lineInColumn, std::u16string_view text)
{
    m_lines.push_back({ column, lineInColumn, static_cast<std::uint32_t>(text.size()) });
    m_text += text;
}

int PageStore::pageCount() const
{
    return m_pageStarts.empty() ? 0 : static_cast<int>(m_pageStarts.size()) - 1;
}

std::pair<int, int> PageStore::pageRange(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= m_pageStarts.size())
        return { 0, 0 };
    return { m_pageStarts[static_cast<std::size_t>(index)], m_pageStarts[static_cast<std::size_t>(index) + 1] };
}

LineRange PageStore::pageLines(int index) const
{
    const auto [first, end] = pageRange(index);
    const std::size_t textStart = first == end ? 0 : m_pageTextStarts[static_cast<std::size_t>(index)];
    return LineRange(this, first, end, textStart);
}

} // namespace vantolex
