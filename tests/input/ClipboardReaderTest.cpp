// The clipboard reader: its copy of the text, its failure points, and closing on every path.
#include <gtest/gtest.h>

#include "input/ClipboardReader.h"
#include "input/ReaderHelpers.h"
#include "support/ExpectThrowMessage.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

TEST(ClipboardReader, EmptyTextIsOneEmptyLine)
{
    FixedClipboard clipboard(u"\0"s);
    ClipboardReader reader(clipboard);
    EXPECT_EQ(readAllItems(reader), Items { "" });
}

TEST(ClipboardReader, ByteOrderMarkStaysACharacter)
{
    FixedClipboard clipboard(u"\uFEFFabc\0"s);
    ClipboardReader reader(clipboard);
    EXPECT_EQ(readAllItems(reader), Items { "\uFEFFabc" });
}

TEST(ClipboardReader, BlockWithoutZeroUnitIsEndedByOne)
{
    FixedClipboard clipboard(u"ab\ncd");
    ClipboardReader reader(clipboard);
    EXPECT_EQ(readAllItems(reader), (Items { "ab", "cd" }));
}

TEST(ClipboardReader, CopyEndsAtTheFirstZeroUnit)
{
    FixedClipboard clipboard(u"ab\0cd\0"s);
    ClipboardReader reader(clipboard);
    EXPECT_EQ(readAllItems(reader), Items { "ab" });
}

TEST(ClipboardReader, TitleAndClosedAfterSuccess)
{
    FixedClipboard clipboard(u"x\0"s);
    const ClipboardReader reader(clipboard);
    EXPECT_EQ(reader.title(), u"クリップボード");
    EXPECT_EQ(clipboard.opens, 1);
    EXPECT_EQ(clipboard.closes, 1);
}

TEST(ClipboardReader, EachFailurePointRaisesItsTextAndClosesTheClipboard)
{
    {
        SCOPED_TRACE("cannot open: nothing to close");
        FixedClipboard clipboard(u"x\0"s);
        clipboard.failOpen = true;
        EXPECT_THROW_MESSAGE(ClipboardReader { clipboard }, Error, u"クリップボードを開けません。");
        EXPECT_EQ(clipboard.closes, 0);
    }
    const struct
    {
        const char* name;
        std::u16string units;
        ClipboardSource::Status status;
        std::u16string_view text;
    } rows[] = {
        { "no Unicode text", u"", ClipboardSource::Status::NoText, u"クリップボードにテキストがありません。" },
        { "empty block", u"", ClipboardSource::Status::Ok, u"クリップボードのデータが空です。" },
        { "block cannot be locked", u"x\0"s, ClipboardSource::Status::LockFailed,
          u"クリップボードのデータを読み出せません。" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FixedClipboard clipboard(row.units, row.status);
        EXPECT_THROW_MESSAGE(ClipboardReader { clipboard }, Error, row.text);
        EXPECT_EQ(clipboard.opens, 1);
        EXPECT_EQ(clipboard.closes, 1);
    }
}

} // namespace
} // namespace vantolex
