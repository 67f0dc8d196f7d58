#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gui/main/CommandLineFiles.h"
#include "settings/TemporaryDirectory.h"

namespace vantolex {
namespace {

TEST(CommandLineFiles, KeepsExistingFilesInOrderAndDropsOptionsFoldersAndMissingNames)
{
    test::TemporaryDirectory folder;
    const std::string a = (folder.path() / "a.txt").string(); // absolute: begins with "/"
    const std::string dashed = (folder.path() / "-x.txt").string();
    std::ofstream(a) << "a";
    std::ofstream(dashed) << "x";
    const std::filesystem::path workingDirectory = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::ofstream("b.txt") << "b";
    std::ofstream("-x.txt") << "x";

    const std::vector<std::string> arguments
        = { a, "-x.txt", "--help", "-", "b.txt", folder.path().string(), "missing.txt", "", a, dashed };
    const std::vector<std::string> expected = { a, "b.txt", a, dashed };
    EXPECT_EQ(commandLineFiles(arguments), expected);
    std::filesystem::current_path(workingDirectory);
}

} // namespace
} // namespace vantolex
