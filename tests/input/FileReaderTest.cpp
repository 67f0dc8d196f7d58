// The file reader: opening, the size limit, decoding, the byte-order mark, titles and file-layer failures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "input/DecodeHelpers.h"
#include "input/EncodingMultiByte.h"
#include "input/FileFailureText.h"
#include "input/FileReader.h"
#include "input/ReaderHelpers.h"
#include "support/ExpectThrowMessage.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

Items itemsOfFile(const std::filesystem::path& path, EncodingIndex index)
{
    const auto reader = createFileReader(path, index);
    EXPECT_NE(reader, nullptr);
    return reader ? readAllItems(*reader) : Items {};
}

TEST(FileReader, EmptyFileIsOneEmptyLineUnderEveryEncoding)
{
    const TemporaryFolder folder;
    const auto file = folder.write("empty.txt", "");
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(itemsOfFile(file, index), Items { "" });
    }
}

TEST(FileReader, ByteOrderMarksAreSkippedWhateverTheEncoding)
{
    const TemporaryFolder folder;
    const struct
    {
        const char* name;
        std::string bytes;
        EncodingIndex index;
        Items expected;
    } rows[] = {
        { "UTF-8 mark",
          "\xEF\xBB\xBF"
          "a\nb",
          3,
          { "a", "b" } },
        { "UTF-16 little-endian mark", byteString({ 0xFF, 0xFE, 0x61, 0x00 }), 1, { "a" } },
        { "UTF-16 big-endian mark under little endian", byteString({ 0xFE, 0xFF, 0x00, 0x61 }), 1, { "a" } },
        { "UTF-16 big-endian mark", byteString({ 0xFE, 0xFF, 0x00, 0x61 }), 2, { "a" } },
        { "little-endian mark under big endian is U+FFFE",
          byteString({ 0xFF, 0xFE, 0x61, 0x00 }),
          2,
          { "\uFFFE\u6100" } },
        { "only one mark is skipped",
          "\xEF\xBB\xBF\xEF\xBB\xBF"
          "a",
          3,
          { "\uFEFF"
            "a" } },
        { "mark alone", "\xEF\xBB\xBF", 3, { "" } },
        { "mark not at the start stays", "a\xEF\xBB\xBF", 3, { "a\uFEFF" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(itemsOfFile(folder.write("mark.txt", row.bytes), row.index), row.expected);
    }
}

TEST(FileReader, ZeroUnitInTheMiddleEndsTheText)
{
    const TemporaryFolder folder;
    EXPECT_EQ(itemsOfFile(folder.write("a.txt", "ab\ncd\0ef\ngh"s), 0), (Items { "ab", "cd" }));
    EXPECT_EQ(itemsOfFile(folder.write("b.txt", "ab\ncd\0ef\ngh"s), 3), (Items { "ab", "cd" }));
    EXPECT_EQ(itemsOfFile(folder.write("c.txt", "ab\0cd"s), 5), (Items { "ab" }));
}

TEST(FileReader, DecodesEachEncoding)
{
    const TemporaryFolder folder;
    const struct
    {
        EncodingIndex index;
        std::string bytes;
    } rows[] = {
        { 0, "\x93\xFA\x96\x7B\r\n\x8C\xEA" },
        { 1, byteString({ 0xE5, 0x65, 0x2C, 0x67, 0x0D, 0x00, 0x0A, 0x00, 0x9E, 0x8A }) },
        { 2, byteString({ 0x65, 0xE5, 0x67, 0x2C, 0x00, 0x0D, 0x00, 0x0A, 0x8A, 0x9E }) },
        { 3, "\xE6\x97\xA5\xE6\x9C\xAC\r\n\xE8\xAA\x9E" },
        { 4, "\x1B$BF|K\\\x1B(B\r\n\x1B$B8l\x1B(B" },
        { 5, "\xC6\xFC\xCB\xDC\r\n\xB8\xEC" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(itemsOfFile(folder.write("text.txt", row.bytes), row.index), (Items { "日本", "語" }));
    }
}

TEST(FileReader, OddLengthUnderUtf16Fails)
{
    const TemporaryFolder folder;
    const auto file = folder.write("odd.txt", "abc");
    EXPECT_THROW_MESSAGE(createFileReader(file, 1), Error, u"入力データがUTF-16ではない。");
    EXPECT_THROW_MESSAGE(createFileReader(file, 2), Error, u"入力データがUTF-16ではない。");
    EXPECT_THROW_MESSAGE(createFileReader(folder.write("one.txt", "a"), 1), Error, u"入力データがUTF-16ではない。");
}

TEST(FileReader, EncodingOutsideTheTableMakesNoReader)
{
    const TemporaryFolder folder;
    const auto file = folder.write("a.txt", "a");
    EXPECT_EQ(createFileReader(file, -1), nullptr);
    EXPECT_EQ(createFileReader(file, 6), nullptr);
    EXPECT_EQ(createFileReader(folder.path() / "missing.txt", 6), nullptr); // the file is never opened
}

TEST(FileReader, TitleIsTheFullPathEvenForARelativeName)
{
    const TemporaryFolder folder;
    folder.write("title.txt", "a");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::unique_ptr<FileReader> plain;
    std::unique_ptr<FileReader> roundabout;
    try {
        plain = createFileReader("title.txt", 0);
        roundabout = createFileReader("./../" + folder.path().filename().string() + "/./title.txt", 0);
    } catch (...) {
        std::filesystem::current_path(previous);
        throw;
    }
    std::filesystem::current_path(previous);
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(roundabout, nullptr);
    EXPECT_EQ(plain->title(), fromUtf8((folder.path() / "title.txt").string()));
    EXPECT_EQ(roundabout->title(), plain->title());
}

TEST(FileReader, LengthLimitIsInclusive)
{
    EXPECT_NO_THROW(checkFileLength(0));
    EXPECT_NO_THROW(checkFileLength(2'147'483'645));
    EXPECT_THROW_MESSAGE(checkFileLength(2'147'483'646), Error, u"ファイルが大きすぎます。");
    EXPECT_THROW_MESSAGE(checkFileLength(std::int64_t { 1 } << 40), Error, u"ファイルが大きすぎます。");
}

TEST(FileReader, FileOneByteOverTheLimitFailsBeforeReading)
{
    const TemporaryFolder folder;
    const auto file = folder.write("large.txt", "");
    std::filesystem::resize_file(file, 2'147'483'646); // sparse: nothing is written
    EXPECT_THROW_MESSAGE(createFileReader(file, 0), Error, u"ファイルが大きすぎます。");
}

TEST(FileReader, FileLayerFailuresNameTheFailureAndTheFile)
{
    const TemporaryFolder folder;
    const auto missing = folder.path() / "missing.txt";
    EXPECT_THROW_MESSAGE(createFileReader(missing, 0), Error,
                         u"ファイルが見つかりません。\n" + fromUtf8(missing.string()));
    const auto inMissingFolder = folder.path() / "nowhere" / "a.txt";
    EXPECT_THROW_MESSAGE(createFileReader(inMissingFolder, 0), Error,
                         u"ファイルが見つかりません。\n" + fromUtf8(inMissingFolder.string()));
    EXPECT_THROW_MESSAGE(createFileReader(folder.path(), 0), Error,
                         u"ファイルではなくフォルダーです。\n" + fromUtf8(folder.path().string()));
    const auto pipe = folder.path() / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW_MESSAGE(createFileReader(pipe, 0), Error,
                         u"通常のファイルではありません。\n" + fromUtf8(pipe.string()));
    EXPECT_THROW_MESSAGE(createFileReader("", 0), Error, u"ファイルが見つかりません。\n");
}

TEST(FileReader, UnreadableFileIsAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    const TemporaryFolder folder;
    const auto file = folder.write("secret.txt", "a");
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_THROW_MESSAGE(createFileReader(file, 0), Error,
                         u"ファイルにアクセスする権限がありません。\n" + fromUtf8(file.string()));
}

TEST(FileFailureText, EveryKnownFailureHasItsOwnJapaneseText)
{
    const std::filesystem::path path = "/tmp/x.txt";
    const struct
    {
        int error;
        FileStage stage;
        std::u16string_view text;
    } rows[] = {
        { ENOENT, FileStage::Open, u"ファイルが見つかりません。\n/tmp/x.txt" },
        { EACCES, FileStage::Open, u"ファイルにアクセスする権限がありません。\n/tmp/x.txt" },
        { EPERM, FileStage::Open, u"ファイルにアクセスする権限がありません。\n/tmp/x.txt" },
        { EISDIR, FileStage::Read, u"ファイルではなくフォルダーです。\n/tmp/x.txt" },
        { ETXTBSY, FileStage::Open, u"ファイルが他のプログラムで使用中です。\n/tmp/x.txt" },
        { ENAMETOOLONG, FileStage::Open, u"ファイル名が長すぎます。\n/tmp/x.txt" },
        { EMFILE, FileStage::Open, u"開いているファイルが多すぎます。\n/tmp/x.txt" },
        { ENOMEM, FileStage::Read, u"メモリが足りません。\n/tmp/x.txt" },
        { EIO, FileStage::Read, u"ファイルの読み込み中にエラーが発生しました。\n/tmp/x.txt" },
        { EIO, FileStage::Open, u"ファイルを開けません。\n/tmp/x.txt" },
        { ELOOP, FileStage::Open, u"ファイルを開けません。\n/tmp/x.txt" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(fileFailureText(row.error, row.stage, path), row.text);
    }
}

} // namespace
} // namespace vantolex
