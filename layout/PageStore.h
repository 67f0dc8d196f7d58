// The display lines of a run held in memory with their page boundaries.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vantolex {

// One emitted display line at its grid position. Its page follows from its index in PageStore::lines.
struct LineRecord
{
    int column = 0; // 0-based column on the page
    int lineInColumn = 0; // 0-based line in the column
    std::u16string text;

    bool operator==(const LineRecord&) const = default;
};

// Page i holds the records pageStarts[i] up to but not including pageStarts[i + 1]; it may hold none.
struct PageStore
{
    std::vector<LineRecord> lines; // in emission order
    // For each started page the index of its first record; once the pages are complete, one more entry:
    // the number of records.
    std::vector<int> pageStarts;

    // Length of pageStarts less one; 0 when no page has started.
    int pageCount() const;

    // (first, end) record indices of page `index` (0-based), or (0, 0) when there is no such complete page.
    std::pair<int, int> pageRange(int index) const;

    // The records of page `index`; empty when there is no such complete page.
    std::span<const LineRecord> pageLines(int index) const;
};

} // namespace vantolex
