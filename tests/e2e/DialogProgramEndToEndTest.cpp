// The dialog program as a person uses it, on a real display (Xvfb) and a real spooler (a private cupsd):
// started with a file, settings changed, printed through the print dialog, closed. The person is
// drive_dialog.py, which works the dialogs through the accessibility bus as a screen reader does.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "settings/SettingsStore.h"
#include "settings/TemporaryDirectory.h"
#include "support/PrivateCupsd.h"
#include "support/TestPdf.h"

extern char** environ;

namespace vantolex {
namespace {

namespace fs = std::filesystem;
using test::PrivateCupsd;

constexpr const char* xvfbProgram = "/usr/bin/Xvfb";

// Whether an X server listens on the local socket `path` (the file appears before the server listens).
bool acceptsConnections(const fs::path& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// A virtual X display of its own, ended with the object.
class VirtualDisplay
{
public:
    VirtualDisplay() = default;
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    ~VirtualDisplay()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
    }

    // Starts the server on the first free display number; empty on success, otherwise why not.
    std::string start()
    {
        for (int number = 90; number < 140; ++number) {
            if (fs::exists("/tmp/.X" + std::to_string(number) + "-lock"))
                continue;
            const std::string display = ":" + std::to_string(number);
            // -noreset: the readiness probe below is a client, and a server that resets when its last client
            // leaves refuses the next connections for a moment.
            const char* arguments[] = { xvfbProgram, display.c_str(), "-screen",  "0",    "1280x1024x24",
                                        "-nolisten", "tcp",           "-noreset", nullptr };
            if (posix_spawn(&m_pid, xvfbProgram, nullptr, nullptr, const_cast<char* const*>(arguments), environ) != 0)
                return "Xvfb could not be started";
            const fs::path socket = "/tmp/.X11-unix/X" + std::to_string(number);
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (std::chrono::steady_clock::now() < deadline) {
                int status = 0;
                if (waitpid(m_pid, &status, WNOHANG) == m_pid)
                    break; // taken meanwhile: try the next number
                if (acceptsConnections(socket)) {
                    m_display = display;
                    return {};
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (m_display.empty() && m_pid > 0 && kill(m_pid, 0) == 0) {
                kill(m_pid, SIGTERM);
                int status = 0;
                waitpid(m_pid, &status, 0);
            }
            m_pid = -1;
        }
        return "no free display number";
    }

    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

TEST(DialogProgram, PrintsAFileThroughThePrintDialogAndSavesTheSettingsOnClosing)
{
    if (access(xvfbProgram, X_OK) != 0)
        GTEST_SKIP() << "no display server: " << xvfbProgram << " is not installed";
    PrivateCupsd cupsd;
    const std::string noSpooler = cupsd.start();
    if (!noSpooler.empty())
        GTEST_SKIP() << "no private spooler: " << noSpooler;
    VirtualDisplay display;
    const std::string noDisplay = display.start();
    ASSERT_TRUE(noDisplay.empty()) << noDisplay;

    // A copy of the program with a settings file beside it, so that the settings are read and written there.
    test::TemporaryDirectory folder;
    const fs::path program = folder.path() / "vantolex";
    fs::copy_file(VANTOLEX_PROGRAM, program);
    const fs::path settingsFile = folder.path() / "VANTOLEX.DAT";
    {
        SettingsStore store(settingsFile);
        store.currentSettings.showInfo = false;
    }
    const fs::path sample = fs::path(VANTOLEX_SOURCE_DIR) / "data/sample/sample-sjis.txt";
    const fs::path driver = fs::path(VANTOLEX_SOURCE_DIR) / "tests/e2e/drive_dialog.py";

    const std::string output = test::commandOutput(
        "cd '" + folder.path().string() + "' && DISPLAY=" + display.display() + " XDG_CONFIG_HOME='"
        + (folder.path() / "config").string() + "' timeout 150 dbus-run-session -- /usr/bin/python3 '" + driver.string()
        + "' '" + program.string() + "' '" + sample.string() + "' 2>&1; echo \"status=$?\"");
    ASSERT_NE(output.find("status=0"), std::string::npos) << output;

    const std::vector<test::SpooledJob> jobs = cupsd.jobs(PrivateCupsd::capture);
    ASSERT_EQ(jobs.size(), 1u) << output;
    EXPECT_EQ(jobs[0].title, "sample-sjis.txt - Vantolex");
    ASSERT_EQ(cupsd.waitForJob(PrivateCupsd::capture, jobs[0].id, IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED)
        << cupsd.errorLog();
    const std::string pdf = test::readFileBytes(cupsd.capturePath(PrivateCupsd::capture));
    EXPECT_GE(test::pdfPageCount(pdf), 1);
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("見本テキスト"), std::string::npos) << text;

    const SettingsStore saved(settingsFile, SettingsAccess::ReadOnly);
    EXPECT_EQ(saved.currentSettings.charsPerLine, 80); // typed on the テキスト page, saved on closing
    EXPECT_TRUE(saved.currentSettings.useMargins); // ticked through the accessibility bus
    EXPECT_FALSE(saved.currentSettings.showInfo);
}

// SIGTERM while a long print goes to the spooler: the program ends within a moment, the job is cancelled, and the
// settings typed before printing are saved as on closing.
TEST(DialogProgram, ASignalWhilePrintingCancelsTheJobAndSavesTheSettings)
{
    if (access(xvfbProgram, X_OK) != 0)
        GTEST_SKIP() << "no display server: " << xvfbProgram << " is not installed";
    PrivateCupsd cupsd;
    const std::string noSpooler = cupsd.start();
    if (!noSpooler.empty())
        GTEST_SKIP() << "no private spooler: " << noSpooler;
    VirtualDisplay display;
    const std::string noDisplay = display.start();
    ASSERT_TRUE(noDisplay.empty()) << noDisplay;

    test::TemporaryDirectory folder;
    const fs::path program = folder.path() / "vantolex";
    fs::copy_file(VANTOLEX_PROGRAM, program);
    const fs::path settingsFile = folder.path() / "VANTOLEX.DAT";
    {
        SettingsStore store(settingsFile);
        store.currentSettings.showInfo = false;
    }
    const fs::path document = folder.path() / "long.txt";
    {
        std::ofstream text(document, std::ios::binary);
        for (int line = 1; line <= 60000; ++line)
            text << "line " << line << ": the quick brown fox jumps over the lazy dog\r\n";
    }
    const fs::path driver = fs::path(VANTOLEX_SOURCE_DIR) / "tests/e2e/drive_dialog.py";

    const std::string output = test::commandOutput(
        "cd '" + folder.path().string() + "' && DISPLAY=" + display.display() + " XDG_CONFIG_HOME='"
        + (folder.path() / "config").string() + "' timeout 150 dbus-run-session -- /usr/bin/python3 '" + driver.string()
        + "' --terminate-while-printing '" + program.string() + "' '" + document.string()
        + "' 2>&1; echo \"status=$?\"");
    ASSERT_NE(output.find("status=0"), std::string::npos) << output;

    const std::vector<test::SpooledJob> jobs = cupsd.jobs(PrivateCupsd::capture);
    ASSERT_EQ(jobs.size(), 1u) << output;
    EXPECT_EQ(cupsd.waitForJob(PrivateCupsd::capture, jobs[0].id, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_EQ(test::readFileBytes(cupsd.capturePath(PrivateCupsd::capture)).size(), 0u) << "bytes printed";
    const SettingsStore saved(settingsFile, SettingsAccess::ReadOnly);
    EXPECT_EQ(saved.currentSettings.charsPerLine, 80); // typed on the テキスト page, saved as the program ended
}

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

TEST(DialogProgram, ASignalToEndItSavesTheSettingsAndGivesItsStatus)
{
    test::TemporaryDirectory folder;
    const fs::path program = folder.path() / "vantolex"; // no settings file beside it
    fs::copy_file(VANTOLEX_PROGRAM, program);
    const fs::path config = folder.path() / "config";
    const std::string environment[]
        = { "QT_QPA_PLATFORM=offscreen", "HOME=" + folder.path().string(), "XDG_CONFIG_HOME=" + config.string() };
    const char* environmentList[] = { environment[0].c_str(), environment[1].c_str(), environment[2].c_str(), nullptr };
    const char* arguments[] = { program.c_str(), nullptr };
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char* const*>(arguments),
                          const_cast<char* const*>(environmentList)),
              0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!catchesSignal(pid, SIGTERM) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(catchesSignal(pid, SIGTERM)) << "the program did not take SIGTERM in hand";
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal itself";
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_TRUE(fs::exists(config / "vantolex/VANTOLEX.DAT")); // saved as on closing
}

} // namespace
} // namespace vantolex
