#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/LinePrefixBuffer.h"

namespace vantolex {
namespace {

TEST(LinePrefixBuffer, BeginsEveryLineWithThePrefix)
{
    struct Row
    {
        const char* name;
        std::vector<std::string> pieces; // written one after the other
        std::string expected;
    };
    const Row rows[] = {
        { "a line", { "a\n" }, "p: a\n" },
        { "lines of one message", { "a\nb\n" }, "p: a\np: b\n" },
        { "empty lines stay empty", { "a\n\n\nb\n" }, "p: a\n\n\np: b\n" },
        { "a line in pieces", { "a", "b", "c\nd", "\n" }, "p: abc\np: d\n" },
        { "progress written over itself",
          { "\r1 ページ", "\r2 ページ", "\r2 ページ\n" },
          "\rp: 1 ページ\rp: 2 ページ\rp: 2 ページ\n" },
        { "no newline at the end", { "a" }, "p: a" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream target;
        LinePrefixBuffer buffer(*target.rdbuf(), "p: ");
        std::ostream stream(&buffer);
        for (const std::string& piece : row.pieces)
            stream << piece;
        EXPECT_EQ(target.str(), row.expected);
    }
    std::ostringstream target;
    LinePrefixBuffer buffer(*target.rdbuf(), "p: ");
    std::ostream stream(&buffer);
    stream.put('a').put('\n').put('b');
    EXPECT_EQ(target.str(), "p: a\np: b");
}

} // namespace
} // namespace vantolex
