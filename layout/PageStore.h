// The display lines of a run held in memory with their page boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantolex {

// One emitted display line at its grid position, as the store hands it out. The text stays valid while the
// store lives and takes no more lines.
struct LineRecord
{
    int column = 0; // 0-based column on the page
    int lineInColumn = 0; // 0-based line in the column
    std::u16string_view text;

    bool operator==(const LineRecord&) const = default;
};

class PageStore;

// Consecutive lines of a store, in emission order.
class LineRange
{
public:
    class Iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = LineRecord;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = LineRecord;

        Iterator() = default;
        LineRecord operator*() const;
        Iterator& operator++();
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        friend class LineRange;
        Iterator(const PageStore* store, int index, std::size_t textStart)
            : m_store(store)
            , m_index(index)
            , m_textStart(textStart)
        {
        }

        const PageStore* m_store = nullptr;
        int m_index = 0; // of the line in the store
        std::size_t m_textStart = 0; // of its text
    };

    Iterator begin() const { return Iterator(m_store, m_first, m_textStart); }
    Iterator end() const { return Iterator(m_store, m_end, 0); }
    int size() const { return m_end - m_first; }
    bool empty() const { return m_end == m_first; }
    LineRecord front() const { return *begin(); }
    LineRecord back() const; // walks the range

private:
    friend class PageStore;
    LineRange(const PageStore* store, int first, int end, std::size_t textStart)
        : m_store(store)
        , m_first(first)
        , m_end(end)
        , m_textStart(textStart)
    {
    }

    const PageStore* m_store;
    int m_first;
    int m_end;
    std::size_t m_textStart;
};

// Page i holds the lines pageStarts()[i] up to but not including pageStarts()[i + 1]; it may hold none. The
// store keeps twelve bytes a line and the texts one after the other, and grows in blocks without ever copying
// what it holds, so that the lines of a long document take little more memory than its text.
class PageStore
{
public:
    // A page boundary at the current number of lines: the start of a page, or, after the last page, the end
    // that completes it.
    void addPageBoundary();

    // Appends a display line.
    void addLine(int column, int lineInColumn, std::u16string_view text);

    int lineCount() const { return static_cast<int>(m_lines.size()); }

    // For each started page the index of its first line; once the pages are complete, one more entry: the
    // number of lines.
    const std::vector<int>& pageStarts() const { return m_pageStarts; }

    // Length of pageStarts() less one; 0 when no page has started.
    int pageCount() const;

    // (first, end) line indices of page `index` (0-based), or (0, 0) when there is no such complete page.
    std::pair<int, int> pageRange(int index) const;

    // The lines of page `index`; empty when there is no such complete page.
    LineRange pageLines(int index) const;

    // Every line so far.
    LineRange lines() const { return LineRange(this, 0, lineCount(), 0); }

private:
    friend class LineRange;

    struct StoredLine
    {
        std::int32_t column;
        std::int32_t lineInColumn;
        std::uint32_t textLength; // units; the text follows the previous line's in m_text
    };

    std::deque<StoredLine> m_lines;
    std::u16string m_text; // the texts of all lines, one after the other
    std::vector<int> m_pageStarts;
    std::vector<std::size_t> m_pageTextStarts; // where the text of each boundary's line starts
};

} // namespace vantolex
