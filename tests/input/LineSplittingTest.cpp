// Splitting a text into lines and breaks, checked through the clipboard reader, which takes text as it is.
#include <gtest/gtest.h>

#include "input/ClipboardReader.h"
#include "input/ReaderHelpers.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

Items itemsOf(const std::u16string& text)
{
    FixedClipboard clipboard(text + u'\0');
    ClipboardReader reader(clipboard);
    return readAllItems(reader);
}

struct Row
{
    const char* name;
    std::u16string text;
    Items expected;
};

TEST(LineSplitting, TerminatorsFormFeedsAndTheEnd)
{
    const Row rows[] = {
        { "empty text is one empty line", u"", { "" } },
        { "one line without terminator", u"abc", { "abc" } },
        { "LF between lines", u"a\nb", { "a", "b" } },
        { "final LF gives no extra line", u"a\nb\n", { "a", "b" } },
        { "CR LF, then an empty line", u"a\r\n\r\nb", { "a", "", "b" } },
        { "lone CR", u"a\rb", { "a", "b" } },
        { "LF CR is two terminators", u"a\n\rb", { "a", "", "b" } },
        { "CR CR LF", u"a\r\r\nb", { "a", "", "b" } },
        { "one LF is one empty line", u"\n", { "" } },
        { "two LFs are two empty lines", u"\n\n", { "", "" } },
        { "one CR LF", u"\r\n", { "" } },
        { "form feed at the start of a line", u"x\n\fy\n", { "x", "<column>", "y" } },
        { "form feed with CR LF after it", u"\f\r\nz", { "<column>", "z" } },
        { "form feed with CR after it", u"\f\rz", { "<column>", "z" } },
        { "form feed with LF after it", u"\f\nz", { "<column>", "z" } },
        { "form feed takes only one line break", u"\f\n\nz", { "<column>", "", "z" } },
        { "form feed before text on its line", u"\fz", { "<column>", "z" } },
        { "form feed inside a line", u"x\fy", { "x\fy" } },
        { "two form feeds", u"\f\f", { "<column>", "<column>" } },
        { "form feed alone", u"\f", { "<column>" } },
        { "form feed at the end", u"a\n\f", { "a", "<column>" } },
        { "tab stays in the line", u"\ta b", { "\ta b" } },
        { "0 unit ends the text", u"a\nb\0c\nd"s, { "a", "b" } },
        { "0 unit at the start", u"\0abc"s, { "" } },
        { "vertical tab and NEL are not terminators", u"a\vb\u0085c", { "a\vb\u0085c" } },
        { "Japanese", u"日本語\r\nテキスト", { "日本語", "テキスト" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(itemsOf(row.text), row.expected);
    }
}

TEST(LineSplitting, LinesStayValidWhileTheReaderLives)
{
    FixedClipboard clipboard(u"first\r\nsecond\nthird"s + u'\0');
    ClipboardReader reader(clipboard);
    std::vector<const char16_t*> lines;
    while (reader.nextLine())
        lines.push_back(reader.currentLine().text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::u16string(lines[0]), u"first");
    EXPECT_EQ(std::u16string(lines[1]), u"second");
    EXPECT_EQ(std::u16string(lines[2]), u"third");
    // In place: each line starts right after the previous one's terminator.
    EXPECT_EQ(lines[1], lines[0] + 7);
    EXPECT_EQ(lines[2], lines[1] + 7);
}

TEST(LineSplitting, CurrentLineRepeatsTheSameItem)
{
    FixedClipboard clipboard(u"\fa"s + u'\0');
    ClipboardReader reader(clipboard);
    ASSERT_TRUE(reader.nextLine());
    EXPECT_EQ(reader.currentLine().kind, LineKind::ColumnBreak);
    EXPECT_EQ(reader.currentLine().kind, LineKind::ColumnBreak);
    ASSERT_TRUE(reader.nextLine());
    EXPECT_EQ(reader.currentLine().kind, LineKind::Text);
    EXPECT_EQ(std::u16string(reader.currentLine().text), u"a");
    EXPECT_FALSE(reader.nextLine());
}

} // namespace
} // namespace vantolex
