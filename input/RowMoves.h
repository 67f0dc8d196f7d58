// Moving the selected rows of a list one step up or down, as the file list's move commands do: scattered
// selected rows are gathered into one block, in their order.
#pragma once

#include <vector>

namespace vantolex {

// The order of the rows after moving the selected ones up. `selected[i]` tells whether the row at position
// i is selected; the result holds the old positions in their new order. With f the first selected position,
// the selected rows form one block starting at f - 1 (at 0 when f is 0), the row that was at f - 1 follows
// the block, the other rows keep their order. Nothing selected leaves the order as it is.
std::vector<int> rowsMovedUp(const std::vector<bool>& selected);

// The same for moving down. With l the last selected position, the unselected rows before l keep their order
// at the top, then comes the row that was at l + 1, then the selected rows as one block, then the rest.
std::vector<int> rowsMovedDown(const std::vector<bool>& selected);

} // namespace vantolex
