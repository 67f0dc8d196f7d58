#include "input/RowMoves.h"

#include <algorithm>
#include <numeric>

namespace vantolex {

namespace {

// The positions sorted by their keys, which are all distinct.
std::vector<int> orderByKeys(const std::vector<int>& keys)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    return order;
}

std::vector<int> unchanged(std::size_t count)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

std::vector<int> rowsMovedUp(const std::vector<bool>& selected)
{
    const int n = static_cast<int>(selected.size());
    const auto found = std::find(selected.begin(), selected.end(), true);
    if (found == selected.end())
        return unchanged(selected.size());
    const int first = static_cast<int>(found - selected.begin());

    // The rows above the row before the first selected one keep negative keys, below everything else; the
    // selected rows count up from 0; the row before the first selected one and every unselected row after it
    // follow from n, in their order.
    std::vector<int> keys(selected.size());
    int nextSelected = 0;
    int nextFollowing = n;
    for (int position = 0; position < n; ++position) {
        if (selected[position])
            keys[position] = nextSelected++;
        else if (position < first - 1)
            keys[position] = position - n;
        else
            keys[position] = nextFollowing++;
    }
    return orderByKeys(keys);
}

std::vector<int> rowsMovedDown(const std::vector<bool>& selected)
{
    const int n = static_cast<int>(selected.size());
    const auto found = std::find(selected.rbegin(), selected.rend(), true);
    if (found == selected.rend())
        return unchanged(selected.size());
    const int last = n - 1 - static_cast<int>(found - selected.rbegin());

    // Rows after the block keep keys above everything else; going upwards from the last selected row, the
    // selected rows count down from 0, the row below the block gets -n and the unselected rows above count
    // down from there.
    std::vector<int> keys(selected.size());
    for (int position = last + 1; position < n; ++position)
        keys[position] = position + 1;
    int nextPreceding = -n;
    if (last < n - 1)
        keys[last + 1] = nextPreceding--;
    int nextSelected = 0;
    for (int position = last; position >= 0; --position)
        keys[position] = selected[position] ? nextSelected-- : nextPreceding--;
    return orderByKeys(keys);
}

} // namespace vantolex
