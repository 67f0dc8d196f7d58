// The sample of the text about to be printed: the first run of printable characters at the read position.
#include <gtest/gtest.h>

#include "input/ClipboardReader.h"
#include "input/FileReader.h"
#include "input/MultiFileReader.h"
#include "input/ReaderHelpers.h"
#include "settings/PrintSettings.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

std::u16string sampleAfter(const std::u16string& text, int skippedItems)
{
    FixedClipboard clipboard(text + u'\0');
    ClipboardReader reader(clipboard);
    for (int i = 0; i < skippedItems; ++i)
        EXPECT_TRUE(reader.nextLine());
    return reader.sampleText();
}

TEST(SampleText, RunOfPrintableCharactersAtTheReadPosition)
{
    const struct
    {
        const char* name;
        std::u16string text;
        int skipped;
        std::u16string expected;
    } rows[] = {
        { "tab, word, space, word", u"\tfirst word\nnext", 0, u"first word" },
        { "after the skipped lines", u"one\n\ttwo three\r\nfour", 1, u"two three" },
        { "Japanese with an ideographic space", u"日本語　テキスト。\n", 0, u"日本語　テキスト。" },
        { "stops at a control character",
          u"ab\x01"
          u"cd",
          0, u"ab" },
        { "skips line breaks and form feeds", u"\r\n\f\n\tx", 0, u"x" },
        { "nothing printable left", u"\t\r\n\f", 0, u"" },
        { "empty text", u"", 0, u"" },
        { "at the end of the text", u"a\nb", 2, u"" },
        { "byte-order mark is no printable character", u"\uFEFFabc", 0, u"abc" },
        { "unassigned code point is not printable", u"a\u0378b", 0, u"a" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sampleAfter(row.text, row.skipped), row.expected);
    }
}

TEST(SampleText, MultiFileReaderHasNone)
{
    const TemporaryFolder folder;
    const std::vector<FileEntry> files { { folder.write("a.txt", "printable text"), 0 } };
    MultiFileReader reader(SeparatorMethod::BlankLines, files, 1);
    EXPECT_EQ(reader.sampleText(), u"");
    ASSERT_TRUE(reader.nextLine());
    EXPECT_EQ(reader.sampleText(), u"");
}

TEST(SampleText, FileReaderAfterTheByteOrderMark)
{
    const TemporaryFolder folder;
    const auto reader = createFileReader(folder.write("a.txt", "\xEF\xBB\xBF\tword one\n"), 3);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->sampleText(), u"word one");
}

} // namespace
} // namespace vantolex
