#include <sys/stat.h>

#include <chrono>

#include <gtest/gtest.h>

#include "settings/SettingsLock.h"
#include "settings/TemporaryDirectory.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using test::TemporaryDirectory;

std::u16string notTaken(const std::filesystem::path& lockFile, std::u16string_view reason)
{
    return u"設定ファイルのロック " + fromUtf8(lockFile.string()) + u" を取得できません。" + std::u16string(reason);
}

// What is in the lock file's place and cannot be locked is named, never skipped.
TEST(SettingsLock, ALockFileThatCannotBeLockedIsNamedWithTheReason)
{
    TemporaryDirectory directory;
    const auto settingsFile = directory.path() / "VANTOLEX.DAT";
    const auto lockFile = directory.path() / "VANTOLEX.DAT.lock";
    std::filesystem::create_directory(lockFile);
    EXPECT_THROW_MESSAGE(SettingsLock { settingsFile }, Error, notTaken(lockFile, u"同じ名前のフォルダーがあります。"));
    std::filesystem::remove(lockFile);
    ASSERT_EQ(::mkfifo(lockFile.c_str(), 0600), 0);
    EXPECT_THROW_MESSAGE(SettingsLock { settingsFile }, Error, notTaken(lockFile, u"通常のファイルではありません。"));
}

// A settings file named through a symbolic link and by its real name has one lock; a taker that waits longer
// than its time says so, and the lock is free again when its holder goes.
TEST(SettingsLock, OneLockForEveryNameOfTheFileHeldUntilItsHolderGoes)
{
    TemporaryDirectory directory;
    const auto realFile = directory.path() / "real" / "VANTOLEX.DAT";
    std::filesystem::create_directories(realFile.parent_path());
    const auto link = directory.path() / "VANTOLEX.DAT";
    std::filesystem::create_symlink(realFile, link);
    EXPECT_EQ(resolvedSettingsPath(link), realFile);
    EXPECT_EQ(resolvedSettingsPath(directory.path() / "real" / "." / "VANTOLEX.DAT"), realFile);
    {
        const SettingsLock held(resolvedSettingsPath(realFile));
        ASSERT_TRUE(held);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW_MESSAGE(
            SettingsLock(resolvedSettingsPath(link), std::chrono::milliseconds(200)), Error,
            u"設定ファイルのロック " + fromUtf8(realFile.string())
                + u".lock を 1 秒待っても取得できません。ほかのプログラムが設定ファイルを保存しています。");
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    }
    const SettingsLock again(resolvedSettingsPath(link), std::chrono::milliseconds(0));
    EXPECT_TRUE(again);
}

} // namespace
} // namespace vantolex
