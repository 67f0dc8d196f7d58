#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "settings/FailingFileSystems.h"
#include "settings/SettingsFileSystem.h"
#include "settings/TemporaryDirectory.h"

namespace vantolex {
namespace {

using test::entriesOf;
using test::FullDiskFileSystem;
using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;

TEST(SystemSettingsFileSystem, ReadsWholeFilesAndNothingThatIsMissing)
{
    TemporaryDirectory directory;
    const std::string bytes("5\r\n\0\xff", 5);
    writeBytes(directory.path() / "file", bytes);
    SystemSettingsFileSystem files;
    const SettingsFileRead read = files.readFile(directory.path() / "file");
    EXPECT_EQ(read.status, SettingsFileRead::Status::Read);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(files.readFile(directory.path() / "missing").status, SettingsFileRead::Status::Missing);
    const SettingsFileRead folder = files.readFile(directory.path());
    EXPECT_EQ(folder.status, SettingsFileRead::Status::Failed);
    EXPECT_EQ(folder.error, EISDIR);
}

// What is no regular file, or is larger than any settings file, is not read: a FIFO would hold the program
// at its open, a device or a huge file would fill the memory.
TEST(SystemSettingsFileSystem, ReadsNeitherPipesNorDevicesNorHugeFiles)
{
    TemporaryDirectory directory;
    const auto fifo = directory.path() / "VANTOLEX.DAT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto huge = directory.path() / "huge.dat";
    writeBytes(huge, "");
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(settingsFileSizeLimit) + 1), 0);
    const auto limit = directory.path() / "limit.dat";
    writeBytes(limit, std::string(settingsFileSizeLimit, '\n'));
    SystemSettingsFileSystem files;
    EXPECT_EQ(files.readFile(fifo).status, SettingsFileRead::Status::NotRegular);
    EXPECT_EQ(files.readFile("/dev/zero").status, SettingsFileRead::Status::NotRegular);
    EXPECT_EQ(files.readFile(huge).status, SettingsFileRead::Status::TooLarge);
    EXPECT_EQ(files.readFile(limit).bytes.size(), settingsFileSizeLimit);
}

// Temporary names cannot be guessed: names planted beside the file in the old pattern change nothing, and the
// temporary file is never left behind.
TEST(SystemSettingsFileSystem, TemporaryNamesCannotBeForeseen)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "VANTOLEX.DAT";
    for (int n = 0; n < 100; ++n)
        writeBytes(directory.path() / ("VANTOLEX.DAT.tmp-" + std::to_string(::getpid()) + "-" + std::to_string(n)), "");
    SystemSettingsFileSystem files;
    ASSERT_EQ(0, files.replaceFile(path, "first"));
    ASSERT_EQ(0, files.replaceFile(path, "second"));
    EXPECT_EQ(readBytes(path), "second");
    EXPECT_EQ(entriesOf(directory.path()).size(), 101u);
}

TEST(SystemSettingsFileSystem, KeepsAFileUnderASecondNameWithoutWritingOverAny)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "VANTOLEX.DAT";
    const auto backup = directory.path() / "VANTOLEX.DAT.bak";
    writeBytes(path, "first");
    SystemSettingsFileSystem files;
    ASSERT_EQ(files.keepAs(path, backup), 0);
    ASSERT_EQ(0, files.replaceFile(path, "second"));
    EXPECT_EQ(readBytes(backup), "first");
    EXPECT_EQ(files.keepAs(path, backup), EEXIST);
    EXPECT_EQ(readBytes(backup), "first");
}

TEST(SystemSettingsFileSystem, ReplacesAFileAndLeavesNothingElse)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "VANTOLEX.DAT";
    writeBytes(path, "old contents that are longer");
    SystemSettingsFileSystem files;
    ASSERT_EQ(0, files.replaceFile(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(entriesOf(directory.path()), std::vector<std::string> { "VANTOLEX.DAT" });
}

TEST(SystemSettingsFileSystem, CreatesAMissingFileAndItsDirectory)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "config" / "vantolex" / "VANTOLEX.DAT";
    SystemSettingsFileSystem files;
    ASSERT_EQ(0, files.replaceFile(path, "5\r\n"));
    EXPECT_EQ(readBytes(path), "5\r\n");
}

TEST(SystemSettingsFileSystem, KeepsTheModeOfTheReplacedFile)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "VANTOLEX.DAT";
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    SystemSettingsFileSystem files;
    ASSERT_EQ(0, files.replaceFile(path, "new"));
    struct stat status
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(SystemSettingsFileSystem, ReplacesTheTargetOfASymbolicLink)
{
    TemporaryDirectory directory;
    const auto target = directory.path() / "real.dat";
    const auto link = directory.path() / "VANTOLEX.DAT";
    writeBytes(target, "old");
    std::filesystem::create_symlink(target, link);
    SystemSettingsFileSystem files;
    ASSERT_EQ(0, files.replaceFile(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(target), "new");
}

TEST(SystemSettingsFileSystem, AFullDiskLeavesTheOldFileWhole)
{
    for (std::size_t capacity : { std::size_t { 0 }, std::size_t { 1 }, std::size_t { 4096 } }) {
        SCOPED_TRACE(capacity);
        TemporaryDirectory directory;
        const auto path = directory.path() / "VANTOLEX.DAT";
        writeBytes(path, "old file");
        FullDiskFileSystem files(capacity);
        EXPECT_EQ(files.replaceFile(path, std::string(5000, 'x')), ENOSPC);
        EXPECT_EQ(readBytes(path), "old file");
        EXPECT_EQ(entriesOf(directory.path()), std::vector<std::string> { "VANTOLEX.DAT" });
    }
}

TEST(SystemSettingsFileSystem, FailsWhereNoFileCanBeCreated)
{
    TemporaryDirectory directory;
    const auto regularFile = directory.path() / "not-a-directory";
    writeBytes(regularFile, "x");
    SystemSettingsFileSystem files;
    EXPECT_EQ(files.replaceFile(regularFile / "VANTOLEX.DAT", "5\r\n"), ENOTDIR);
    EXPECT_EQ(readBytes(regularFile), "x");
}

TEST(SystemSettingsFileSystem, RemovesOnlyWhatExists)
{
    TemporaryDirectory directory;
    const auto path = directory.path() / "VANTOLEX.CNF";
    writeBytes(path, "x");
    SystemSettingsFileSystem files;
    EXPECT_TRUE(files.removeFile(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(files.removeFile(path));
}

} // namespace
} // namespace vantolex
