// Moving selected rows up and down: the order the file list's move commands give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/RowMoves.h"

namespace vantolex {
namespace {

struct MoveRow
{
    const char* name;
    std::string rows; // one letter per row, top to bottom
    std::string selected; // the letters of the selected rows
    std::string up; // the rows after moving up
    std::string down; // the rows after moving down, from the same start
};

std::string reordered(const std::string& rows, const std::vector<int>& order)
{
    std::string result;
    for (const int position : order)
        result.push_back(rows.at(static_cast<std::size_t>(position)));
    return result;
}

TEST(RowMoves, GatherSelectedRowsIntoOneBlock)
{
    const MoveRow table[] = {
        { "two scattered rows", "ABCDE", "BD", "BDACE", "ACEBD" },
        { "first and third", "ABCDE", "AC", "ACBDE", "BDACE" },
        { "first only", "ABCDE", "A", "ABCDE", "BACDE" },
        { "last only", "ABCDE", "E", "ABCED", "ABCDE" },
        { "first and last", "ABCDE", "AE", "AEBCD", "BCDAE" },
        { "all", "ABCDE", "ABCDE", "ABCDE", "ABCDE" },
        { "none", "ABCDE", "", "ABCDE", "ABCDE" },
        { "one row", "A", "A", "A", "A" },
        { "no rows", "", "", "", "" },
    };
    for (const MoveRow& row : table) {
        SCOPED_TRACE(row.name);
        std::vector<bool> selected;
        for (const char letter : row.rows)
            selected.push_back(row.selected.find(letter) != std::string::npos);
        EXPECT_EQ(reordered(row.rows, rowsMovedUp(selected)), row.up);
        EXPECT_EQ(reordered(row.rows, rowsMovedDown(selected)), row.down);
    }
}

} // namespace
} // namespace vantolex
