// The options file vantolex.ini: what a file sets, how the options are merged into what it holds, and its
// save beside the settings file, refused over a file it cannot read and whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FailingFileSystems.h"
#include "TemporaryDirectory.h"
#include "settings/OptionsFile.h"

namespace vantolex {
namespace {

using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;

struct ParseRow
{
    const char* name;
    std::string bytes;
    std::optional<LayoutOptions> expected;
};

TEST(OptionsFile, ParsesTheLayoutSectionOnly)
{
    const ParseRow rows[] = {
        { "empty", "", LayoutOptions {} },
        { "both on", "[layout]\nkinsoku=true\nsupplementary=true\n", LayoutOptions { true, true } },
        { "spaces, CR LF, byte-order mark", "\xEF\xBB\xBF [ layout ]\r\n  kinsoku = true \r\n",
          LayoutOptions { true, false } },
        { "the last of a key holds", "[layout]\nkinsoku=true\nkinsoku=false\nsupplementary=true",
          LayoutOptions { false, true } },
        { "another section", "[print]\nkinsoku=true\n[layout]\nsupplementary=true\n", LayoutOptions { false, true } },
        { "before any section", "kinsoku=true\n", LayoutOptions {} },
        { "a value not true or false", "[layout]\nkinsoku=yes\nsupplementary=TRUE\n", LayoutOptions {} },
        { "comments", "[layout]\n;kinsoku=true\n# supplementary=true\n", LayoutOptions {} },
        { "not UTF-8", "[layout]\nkinsoku=true\n; \x82\xA0\n", std::nullopt },
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(parseOptionsFile(row.bytes), row.expected);
    }
}

struct MergeRow
{
    const char* name;
    std::string before;
    std::string after;
};

TEST(OptionsFile, MergeRewritesItsKeysAndKeepsEveryOtherByte)
{
    const LayoutOptions on { true, false };
    const MergeRow rows[] = {
        { "empty", "", "[layout]\nkinsoku=true\nsupplementary=false\n" },
        { "unknown keys, comments and sections kept; a missing key added at the end of [layout]",
          "; mine\n[print]\nkinsoku=keep\n[layout]\n  kinsoku = false\nwidth = 3\n\n[other]\nx=y\n",
          "; mine\n[print]\nkinsoku=keep\n[layout]\n  kinsoku=true\nwidth = 3\nsupplementary=false\n\n[other]\nx=y\n" },
        { "no [layout]: appended, after a last line without its end", "[other]\nx=y",
          "[other]\nx=y\n[layout]\nkinsoku=true\nsupplementary=false\n" },
        { "CR LF kept and used for new lines", "\xEF\xBB\xBF[layout]\r\nsupplementary=true\r\n",
          "\xEF\xBB\xBF[layout]\r\nsupplementary=false\r\nkinsoku=true\r\n" },
        { "already so: unchanged", "[layout]\nkinsoku=true\nsupplementary=false\n",
          "[layout]\nkinsoku=true\nsupplementary=false\n" },
    };
    for (const MergeRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(mergeOptionsFile(row.before, on), row.after);
        EXPECT_EQ(parseOptionsFile(mergeOptionsFile(row.before, on)), on);
    }
}

class OptionsFileSave : public ::testing::Test
{
protected:
    TemporaryDirectory folder;
    std::filesystem::path settingsFile = folder.path() / "VANTOLEX.DAT";
    std::filesystem::path optionsFile = folder.path() / "vantolex.ini";
    int error = -1;
};

TEST_F(OptionsFileSave, WritesBesideTheSettingsFileAndReadsBack)
{
    EXPECT_FALSE(readOptionsFile(settingsFile).unreadable);
    ASSERT_EQ(saveOptionsFile(settingsFile, { true, true }, error), OptionsSaveResult::Saved);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(readBytes(optionsFile), "[layout]\nkinsoku=true\nsupplementary=true\n");
    EXPECT_EQ(readOptionsFile(settingsFile).options, (LayoutOptions { true, true }));
    EXPECT_FALSE(std::filesystem::exists(settingsFile));
}

TEST_F(OptionsFileSave, NeverWritesOverAFileItCannotRead)
{
    const std::string bytes = "[layout]\nkinsoku=true\nname=\x82\xA0\n";
    writeBytes(optionsFile, bytes);
    const OptionsFileState state = readOptionsFile(settingsFile);
    EXPECT_TRUE(state.unreadable);
    EXPECT_EQ(state.options, LayoutOptions {});
    EXPECT_EQ(saveOptionsFile(settingsFile, { false, true }, error), OptionsSaveResult::KeptUnreadable);
    EXPECT_EQ(readBytes(optionsFile), bytes);
}

TEST_F(OptionsFileSave, FailedWriteLeavesTheFileAsItWas)
{
    const std::string bytes = "[layout]\nkinsoku=true\n";
    writeBytes(optionsFile, bytes);
    test::FullDiskFileSystem fullDisk(4);
    EXPECT_EQ(saveOptionsFile(settingsFile, { false, true }, error, fullDisk), OptionsSaveResult::NotWritten);
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(readBytes(optionsFile), bytes);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "vantolex.ini" || name.ends_with(".lock")) << name << " stayed";
    }
}

} // namespace
} // namespace vantolex
