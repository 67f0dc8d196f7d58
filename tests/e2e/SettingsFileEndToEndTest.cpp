// The settings file with more than one writer and with what a user may put in its place, as the two programs
// meet it: the dialog program open while the command-line tool changes presets, a FIFO, a folder where the
// lock file belongs, a print that waits on its input while another save is made.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"
#include "settings/SettingsStore.h"

extern char** environ;

namespace vantolex {
namespace {

namespace fs = std::filesystem;

class SettingsFileEndToEnd : public EndToEndTest
{
protected:
    ProgramResult tool(const std::vector<std::string>& arguments)
    {
        return runProgram(VANTOLEX_PRINT_PROGRAM, arguments, folder);
    }
};

// Whether process `pid` has a handler of its own for `signal` (the caught signals in /proc/PID/status).
bool catchesSignal(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0;
    }
    return false;
}

TEST_F(SettingsFileEndToEnd, TheDialogProgramKeepsThePresetChangesTheToolMadeWhileItWasOpen)
{
    const fs::path config = folder / "config";
    const fs::path settingsFile = config / "vantolex" / "VANTOLEX.DAT";
    {
        SettingsStore seed(settingsFile);
        seed.addPreset(u"B", seed.currentSettings);
    }
    // The tool names the file through a link: one file, one lock.
    const fs::path link = folder / "settings-link.dat";
    fs::create_symlink(settingsFile, link);

    const std::string environment[]
        = { "QT_QPA_PLATFORM=offscreen", "HOME=" + folder.string(), "XDG_CONFIG_HOME=" + config.string() };
    const char* environmentList[] = { environment[0].c_str(), environment[1].c_str(), environment[2].c_str(), nullptr };
    const char* arguments[] = { VANTOLEX_PROGRAM, nullptr };
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, VANTOLEX_PROGRAM, nullptr, nullptr, const_cast<char* const*>(arguments),
                          const_cast<char* const*>(environmentList)),
              0);
    // It takes stop signals in hand once its dialog, and so its settings, are loaded.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!catchesSignal(pid, SIGTERM) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(catchesSignal(pid, SIGTERM)) << "the dialog program did not start";

    const ProgramResult saved = tool({ "--settings", link.string(), "--save-preset", "A" });
    EXPECT_EQ(saved.status, 0) << saved.err;
    const ProgramResult deleted = tool({ "--settings", settingsFile.string(), "--delete-preset", "B" });
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(tool({ "--settings", link.string(), "--list-presets" }).out, "初期値\nA\n");

    ASSERT_EQ(kill(pid, SIGTERM), 0); // ends it as its 終了 button does: it saves its settings
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGTERM);
    const ProgramResult after = tool({ "--settings", settingsFile.string(), "--list-presets" });
    EXPECT_EQ(after.out, "初期値\nA\n") << after.err;
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(SettingsFileEndToEnd, AFifoInThePlaceOfTheSettingsFileIsNeitherReadNorReplaced)
{
    const fs::path fifo = folder / "VANTOLEX.DAT";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Nobody writes into the FIFO: a program that opened it for reading would wait for ever.
    const ProgramResult listed = tool({ "--settings", fifo.string(), "--list-presets" });
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "初期値\n");
    EXPECT_EQ(listed.err, "vantolex-print: 設定ファイルを読み込めないため、初期値を使います: " + fifo.string() + "\n");
    const ProgramResult saved = tool({ "--settings", fifo.string(), "--save-preset", "A" });
    EXPECT_EQ(saved.status, 2);
    EXPECT_EQ(saved.err,
              "vantolex-print: 設定ファイルを読み込めないため、初期値を使います: " + fifo.string()
                  + "\nvantolex-print: 設定ファイルを読み込めないため、上書きしません: " + fifo.string() + "\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
    const ProgramResult device = tool({ "--settings", "/dev/zero", "--list-presets" });
    EXPECT_EQ(device.out, "初期値\n");
}

TEST_F(SettingsFileEndToEnd, ASaveThatCannotLockTheFileFailsAndNamesTheLock)
{
    const std::string settingsFile = write("VANTOLEX.DAT", "");
    fs::create_directory(folder / "VANTOLEX.DAT.lock");
    const ProgramResult saved = tool({ "--settings", settingsFile, "--save-preset", "A" });
    EXPECT_EQ(saved.status, 2);
    EXPECT_EQ(saved.err,
              "vantolex-print: 設定ファイルのロック " + (folder / "VANTOLEX.DAT.lock").string()
                  + " を取得できません。同じ名前のフォルダーがあります。\n");
    EXPECT_EQ(readFile(settingsFile), ""); // not saved unlocked
}

// A preset saved together with a print is written before the print starts; the lock is not held while the
// print waits on its input (standard input, a pipe that stays open), so another save goes through meanwhile.
TEST_F(SettingsFileEndToEnd, APrintDoesNotHoldTheLockOfItsPresetSave)
{
    const fs::path settingsFile = folder / "VANTOLEX.DAT";
    int pipeEnds[2];
    ASSERT_EQ(pipe2(pipeEnds, O_CLOEXEC), 0); // no other program gets the writing end
    const std::string pdf = (folder / "out.pdf").string();
    const char* arguments[] = { VANTOLEX_PRINT_PROGRAM,
                                "--settings",
                                settingsFile.c_str(),
                                "--save-preset",
                                "A",
                                "--encoding",
                                "utf8",
                                "-o",
                                pdf.c_str(),
                                "-",
                                nullptr };
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, pipeEnds[0], 0);
    pid_t pid = -1;
    const int spawned
        = posix_spawn(&pid, VANTOLEX_PRINT_PROGRAM, &files, nullptr, const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&files);
    close(pipeEnds[0]);
    const int writer = pipeEnds[1];
    ASSERT_EQ(spawned, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (readFile(settingsFile).find("\r\nA\r\n") == std::string::npos && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));

    // The print now waits for its text.
    const auto start = std::chrono::steady_clock::now();
    const ProgramResult second = tool({ "--settings", settingsFile.string(), "--save-preset", "B" });
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

    const std::string text = numberedLines(3);
    EXPECT_EQ(::write(writer, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(writer);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_EQ(tool({ "--settings", settingsFile.string(), "--list-presets" }).out, "初期値\nA\nB\n");
}

} // namespace
} // namespace vantolex
