// Several files as one text: separators between parts, line numbering across files, titles and failures.
#include <gtest/gtest.h>

#include "input/MultiFileReader.h"
#include "input/ReaderHelpers.h"
#include "settings/PrintSettings.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

// Files A (lines a1 and a2), B (a single line break) and C (the line c1).
class ThreeFiles : public ::testing::Test
{
protected:
    TemporaryFolder folder;
    std::vector<FileEntry> files {
        { folder.write("a.txt", "a1\r\na2\r\n"), 0 },
        { folder.write("b.txt", "\n"), 3 },
        { folder.write("c.txt",
                       std::string("\xFF\xFE"
                                   "c\0"
                                   "1\0",
                                   6)),
          1 }, // UTF-16 with a mark
    };

    Items read(int separatorMethod, int separatorLines)
    {
        MultiFileReader reader(separatorMethod, files, separatorLines);
        return readAllItems(reader);
    }
};

TEST_F(ThreeFiles, BlankLinesBetweenParts)
{
    EXPECT_EQ(read(SeparatorMethod::BlankLines, 2), (Items { "a1", "a2", "", "", "", "", "", "c1" }));
}

TEST_F(ThreeFiles, NoBlankLines)
{
    EXPECT_EQ(read(SeparatorMethod::BlankLines, 0), (Items { "a1", "a2", "", "c1" }));
}

TEST_F(ThreeFiles, PageBreaksIgnoreTheLineCount)
{
    EXPECT_EQ(read(SeparatorMethod::PageBreak, 2), (Items { "a1", "a2", "<page>", "", "<page>", "c1" }));
}

TEST_F(ThreeFiles, ColumnBreaks)
{
    EXPECT_EQ(read(SeparatorMethod::ColumnBreak, 5), (Items { "a1", "a2", "<column>", "", "<column>", "c1" }));
}

TEST_F(ThreeFiles, TitleCountsTheFiles)
{
    const MultiFileReader reader(SeparatorMethod::BlankLines, files, 1);
    EXPECT_EQ(reader.title(), u"3 個のファイル");
}

TEST_F(ThreeFiles, ItemsBeforeTheFailingFileComeFirstThenItsError)
{
    files[2].path = folder.path() / "gone.txt";
    MultiFileReader reader(SeparatorMethod::BlankLines, files, 1);
    Items items;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(reader.nextLine());
        items.push_back(toUtf8(reader.currentLine().text));
    }
    EXPECT_EQ(items, (Items { "a1", "a2", "", "" }));
    // The third file is opened only now.
    EXPECT_THROW_MESSAGE(reader.nextLine(), Error,
                         u"ファイルが見つかりません。\n" + fromUtf8((folder.path() / "gone.txt").string()));
}

TEST_F(ThreeFiles, EncodingWithoutDecoderEndsTheText)
{
    files[1].encodingIndex = -1;
    EXPECT_EQ(read(SeparatorMethod::PageBreak, 0), (Items { "a1", "a2" }));
}

TEST(MultiFileReader, EmptyListHasNoItemsAndCountsZero)
{
    const std::vector<FileEntry> files;
    MultiFileReader reader(SeparatorMethod::BlankLines, files, 1);
    EXPECT_EQ(reader.title(), u"0 個のファイル");
    EXPECT_FALSE(reader.nextLine());
}

TEST(MultiFileReader, LineNumbersRunOnAcrossFilesAndBlankSeparators)
{
    // Three files of two lines each with one blank separator line: text items numbered 1 to 8, the blank
    // lines being 3 and 6, none after the last file.
    const TemporaryFolder folder;
    const std::vector<FileEntry> files {
        { folder.write("1.txt", "one\ntwo\n"), 0 },
        { folder.write("2.txt", "three\nfour"), 0 },
        { folder.write("3.txt", "five\r\nsix\r\n"), 0 },
    };
    MultiFileReader reader(SeparatorMethod::BlankLines, files, 1);
    std::vector<std::pair<int, std::string>> numbered;
    int lineNumber = 0;
    while (reader.nextLine()) {
        const TextLine line = reader.currentLine();
        ASSERT_EQ(line.kind, LineKind::Text);
        numbered.emplace_back(++lineNumber, toUtf8(line.text));
    }
    const std::vector<std::pair<int, std::string>> expected {
        { 1, "one" }, { 2, "two" }, { 3, "" }, { 4, "three" }, { 5, "four" }, { 6, "" }, { 7, "five" }, { 8, "six" },
    };
    EXPECT_EQ(numbered, expected);
}

} // namespace
} // namespace vantolex
