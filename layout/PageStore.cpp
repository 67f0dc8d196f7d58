#include "layout/PageStore.h"

namespace vantolex {

int PageStore::pageCount() const
{
    return pageStarts.empty() ? 0 : static_cast<int>(pageStarts.size()) - 1;
}

std::pair<int, int> PageStore::pageRange(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) + 1 >= pageStarts.size())
        return { 0, 0 };
    return { pageStarts[static_cast<std::size_t>(index)], pageStarts[static_cast<std::size_t>(index) + 1] };
}

std::span<const LineRecord> PageStore::pageLines(int index) const
{
    const auto [first, end] = pageRange(index);
    return std::span<const LineRecord>(lines).subspan(static_cast<std::size_t>(first),
                                                      static_cast<std::size_t>(end - first));
}

} // namespace vantolex
