// The temporary file of a replacement: a name nobody can take beforehand, and failures told in Japanese.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "base/ReplacementFile.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "settings/TemporaryDirectory.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ReplacementFile, TemporaryNamesCannotBeTakenBeforehand)
{
    test::TemporaryDirectory folder;
    const fs::path path = folder.path() / "report.pdf";
    // Names made from the process and a counter are all taken: the replacement does not depend on them.
    for (int n = 0; n < 100; ++n)
        std::ofstream(folder.path() / ("report.pdf.tmp-" + std::to_string(::getpid()) + "-" + std::to_string(n)));
    const std::set<std::string> planted = namesIn(folder.path());

    ReplacementFile first(path);
    ReplacementFile second(path);
    ASSERT_EQ(first.create(), 0);
    ASSERT_EQ(second.create(), 0);
    std::set<std::string> made;
    for (const std::string& name : namesIn(folder.path())) {
        if (!planted.contains(name))
            made.insert(name);
    }
    ASSERT_EQ(made.size(), 2u);
    const std::regex unpredictable(R"(report\.pdf\.tmp-[A-Za-z0-9]{10})");
    for (const std::string& name : made) {
        EXPECT_TRUE(std::regex_match(name, unpredictable)) << name;
        EXPECT_EQ(name.find(std::to_string(::getpid())), std::string::npos) << name;
    }
    ASSERT_EQ(first.write("x", 1), 0);
    EXPECT_EQ(first.commit(), 0);
    second.discard();
    EXPECT_EQ(namesIn(folder.path()).size(), planted.size() + 1);
}

// Every reason a file could not be made or written is Japanese: no English text of the system's in it.
TEST(WriteFailureReason, EverySystemErrorIsToldInJapanese)
{
    const std::regex latinLetters("[A-Za-z]");
    for (int error = 1; error < 134; ++error) {
        const std::string reason = toUtf8(writeFailureReason(error));
        EXPECT_FALSE(std::regex_search(reason, latinLetters)) << error << ": " << reason;
    }
    EXPECT_EQ(toUtf8(writeFailureReason(EEXIST)), "同じ名前のファイルがあります。");
    EXPECT_EQ(toUtf8(writeFailureReason(EPROTO)), "システムエラー 71 が発生しました。");
}

} // namespace
} // namespace vantolex
