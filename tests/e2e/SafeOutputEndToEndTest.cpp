// vantolex-print run as a program where data used to be lost: a run killed half way, two runs saving presets
// into one settings file at the same time, a disk that fills up, a link planted by another user, and where the
// settings file goes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

class SafeOutputEndToEnd : public EndToEndTest
{
protected:
    SafeOutputEndToEnd() { std::filesystem::create_directories(folder / "work"); }

    // The names in the working folder (the captured streams stay outside it), sorted.
    std::set<std::string> workEntries() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder / "work"))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST_F(SafeOutputEndToEnd, AKilledRunLeavesTheEarlierOutputAndNoTemporaryFile)
{
    const fs::path work = folder / "work";
    const std::string source = write("work/lines.txt", numberedLines(2000));
    write("work/page-0001.png", "earlier page 1");
    write("work/page-0002.png", "earlier page 2");
    // Pages of 600 dpi images take long enough to be caught half way.
    StartedProgram run(VANTOLEX_PRINT_PROGRAM,
                       { "--defaults", "-e", "utf8", "--set", "fontSizeBasis=1", "--set", "linesPerColumn=10", "-o",
                         (work / "page.png").string(), source },
                       folder);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    auto writing = [this] {
        for (const std::string& name : workEntries()) {
            if (name.find(".tmp-") != std::string::npos)
                return true;
        }
        return false;
    };
    while (!writing() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(writing()) << "no page was being written";
    ASSERT_EQ(::kill(run.pid(), SIGTERM), 0);
    const ProgramResult result = run.wait();

    EXPECT_EQ(result.status, 128 + SIGTERM);
    EXPECT_EQ(workEntries(), (std::set<std::string> { "lines.txt", "page-0001.png", "page-0002.png" }));
    EXPECT_EQ(readFile(work / "page-0001.png"), "earlier page 1");
    EXPECT_EQ(readFile(work / "page-0002.png"), "earlier page 2");
}

TEST_F(SafeOutputEndToEnd, TwoRunsSavingPresetsAtTheSameTimeLoseNone)
{
    const std::string settings = (folder / "work" / "VANTOLEX.DAT").string();
    std::set<std::string> saved { "初期値" };
    for (int round = 0; round < 50; ++round) {
        std::vector<std::unique_ptr<StartedProgram>> runs;
        for (const char* side : { "a", "b" }) {
            const std::string name = "preset " + std::to_string(round) + side;
            saved.insert(name);
            runs.push_back(std::make_unique<StartedProgram>(
                VANTOLEX_PRINT_PROGRAM, std::vector<std::string> { "--settings", settings, "--save-preset", name },
                folder, side));
        }
        for (auto& run : runs) {
            const ProgramResult result = run->wait();
            ASSERT_EQ(result.status, 0) << result.err;
        }
    }
    const ProgramResult listed
        = runProgram(VANTOLEX_PRINT_PROGRAM, { "--settings", settings, "--list-presets" }, folder);
    std::set<std::string> names;
    std::istringstream lines(listed.out);
    for (std::string line; std::getline(lines, line);)
        names.insert(line);
    EXPECT_EQ(names, saved);
}

TEST_F(SafeOutputEndToEnd, AFullDiskLeavesTheEarlierOutputAndSaysSo)
{
    const std::string source = write("lines.txt", numberedLines(3000));
    // A small file system of our own, in a user namespace: no privileges needed where the system allows them.
    const std::string script = "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99\n"
                               "echo earlier > \"$1/out.pdf\"\n"
                               "\"$2\" --defaults -e utf8 -o \"$1/out.pdf\" \"$3\"\n"
                               "echo \"status $?\"\n"
                               "ls -A \"$1\"\n"
                               "head -c 20 \"$1/out.pdf\"\n";
    const ProgramResult result = runProgram("unshare",
                                            { "--user", "--map-root-user", "--mount", "sh", "-c", script, "sh",
                                              (folder / "work").string(), VANTOLEX_PRINT_PROGRAM, source },
                                            folder);
    if (result.status != 0)
        GTEST_SKIP() << "no small file system can be made here: " << result.err;
    EXPECT_EQ(result.out, "status 2\nout.pdf\nearlier\n");
    const std::string output = (folder / "work" / "out.pdf").string();
    EXPECT_EQ(result.err,
              "vantolex-print: 出力ファイルに書き込めません: " + output
                  + "\nvantolex-print: ディスクの空き容量が足りません。\n");
}

// In a sticky folder that everyone may write to, a link that another user planted is not followed, as the
// kernel would not follow it (fs.protected_symlinks): the file it points at stays as it was. The user's own link
// there is followed, its target replaced and the link kept.
TEST_F(SafeOutputEndToEnd, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting a link as another user needs root";
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const std::string source = write("lines.txt", numberedLines(3));
    struct Row
    {
        std::string option;
        std::string name;
        bool plantedByNobody;
    };
    const Row rows[] = {
        { "-o", "report.pdf", true },
        { "--layout-json", "layout.json", true },
        { "-o", "mine.pdf", false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option + " " + row.name);
        const std::string target = write("root-" + row.name, "root's own file\n");
        const fs::path link = shared / row.name;
        if (row.plantedByNobody) {
            const ProgramResult planted = runProgram(
                "setpriv", { "--reuid=nobody", "--regid=nogroup", "--clear-groups", "ln", "-s", target, link }, folder);
            if (planted.status != 0)
                GTEST_SKIP() << "no link can be made as nobody: " << planted.err;
        } else {
            fs::create_symlink(target, link);
        }
        const ProgramResult result = runProgram(
            VANTOLEX_PRINT_PROGRAM, { "--defaults", "-e", "utf8", row.option, link.string(), source }, folder);
        EXPECT_TRUE(fs::is_symlink(link));
        if (row.plantedByNobody) {
            EXPECT_EQ(result.status, 2);
            EXPECT_EQ(result.err,
                      "vantolex-print: 出力ファイルを作成できません: " + link.string()
                          + "\nvantolex-print: 書き込む権限がありません。\n");
            EXPECT_EQ(readFile(target), "root's own file\n");
        } else {
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_TRUE(readFile(target).starts_with("%PDF-"));
        }
    }
}

TEST_F(SafeOutputEndToEnd, SettingsGoToTheUsersConfigurationUnlessTheProgramHasItsOwn)
{
    const fs::path besideProgram = fs::path(VANTOLEX_PRINT_PROGRAM).parent_path();
    if (fs::exists(besideProgram / "VANTOLEX.DAT") || fs::exists(besideProgram / "VANTOLEX.CNF"))
        GTEST_SKIP() << "this build is a portable copy with its own settings file";
    const fs::path configuration = folder / "work" / "config";
    ::setenv("XDG_CONFIG_HOME", configuration.c_str(), 1);
    const ProgramResult result = runProgram(VANTOLEX_PRINT_PROGRAM, { "--save-preset", "一段" }, folder);
    ::unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(configuration / "vantolex" / "VANTOLEX.DAT"));
    EXPECT_FALSE(fs::exists(besideProgram / "VANTOLEX.DAT"));
}

} // namespace
} // namespace vantolex
