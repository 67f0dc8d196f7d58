// vantolex-print on a private spooler: a signal that arrives while a job is being sent cancels the job.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "base/Interruption.h"
#include "cli/PrintTool.h"
#include "render/fonts/FontFamilies.h"
#include "spool/CupsPrinterServices.h"
#include "spool/JobOptions.h"
#include "support/PrivateCupsd.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;

// Standard error of the tool, shown as on a terminal: when the progress reaches page 2 (page 1 has gone to the
// spooler and the job is open), the process receives SIGTERM.
class TerminatingAtPageTwo : public std::stringbuf
{
protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        const std::streamsize written = std::stringbuf::xsputn(text, count);
        if (str().find("\rvantolex-print: 2 ページ") != std::string::npos && !m_raised) {
            m_raised = true;
            std::raise(SIGTERM);
        }
        return written;
    }

private:
    bool m_raised = false;
};

int printInterrupted(const std::string& source)
{
    installInterruptHandlers();
    std::istringstream in;
    std::ostringstream out;
    TerminatingAtPageTwo errBuffer;
    std::ostream err(&errBuffer);
    CupsPrinterServices services(systemClock());
    PrintToolEnvironment environment { in, out, err, systemClock(), true, {}, {}, {}, false };
    environment.findPrinter = destinationWithDefaults;
    environment.openPrinter = [&services](const PrinterSelection& printer) { return services.openPrinter(printer); };
    const std::vector<std::string> arguments {
        "--defaults",          "-e",  "utf8", "--set", "fontSizeBasis=1", "--set", "linesPerColumn=5", "-P",
        PrivateCupsd::stopped, source
    };
    return runPrintTool(arguments, environment);
}

TEST(PrintToolSpooler, AnInterruptingSignalCancelsTheJobBeingSentAndEndsWith128PlusTheSignal)
{
    if (!isFamilyInstalled(u"IPAMincho"))
        GTEST_SKIP() << "the packaged font IPAMincho is not installed";
    PrivateCupsd cupsd;
    if (const std::string why = cupsd.start(); !why.empty())
        GTEST_SKIP() << "no private spooler: " << why;
    const auto source = std::filesystem::temp_directory_path() / ("vantolex-interrupted-" + std::to_string(::getpid()));
    std::string text;
    for (int line = 1; line <= 100; ++line)
        text += "第" + std::to_string(line) + "行\n";
    std::ofstream(source) << text;

    EXPECT_EXIT(std::exit(printInterrupted(source.string())), ::testing::ExitedWithCode(128 + SIGTERM), "");
    std::filesystem::remove(source);

    const std::vector<test::SpooledJob> jobs = cupsd.jobs(PrivateCupsd::stopped);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(cupsd.waitForJob(PrivateCupsd::stopped, jobs[0].id, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
}

TEST(PrintToolSpooler, APrinterIsLaidOutOnTheQueuesOwnPaper)
{
    if (!isFamilyInstalled(u"IPAMincho"))
        GTEST_SKIP() << "the packaged font IPAMincho is not installed";
    PrivateCupsd cupsd;
    if (const std::string why = cupsd.start(); !why.empty())
        GTEST_SKIP() << "no private spooler: " << why;
    const auto source = std::filesystem::temp_directory_path() / ("vantolex-paper-" + std::to_string(::getpid()));
    std::ofstream(source) << "用紙\n";
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CupsPrinterServices services(systemClock());
    PrintToolEnvironment environment { in, out, err, systemClock(), false, {}, {}, {}, false };
    environment.findPrinter = destinationWithDefaults;
    environment.openPrinter = [&services](const PrinterSelection& printer) { return services.openPrinter(printer); };
    // The queue lists Letter first; its default is A4.
    const std::vector<std::string> arguments {
        "--defaults", "-e", "utf8", "-P", PrivateCupsd::office, source.string()
    };
    const int status = runPrintTool(arguments, environment);
    std::filesystem::remove(source);
    ASSERT_EQ(status, 0) << err.str();
    const std::vector<test::SpooledJob> jobs = cupsd.jobs(PrivateCupsd::office);
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_EQ(cupsd.waitForJob(PrivateCupsd::office, jobs[0].id, IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED)
        << cupsd.errorLog();
    const std::string info = test::commandOutput("pdfinfo " + cupsd.capturePath(PrivateCupsd::office).string());
    EXPECT_NE(info.find("595.276 x 841.89 pts (A4)"), std::string::npos) << info;
}

} // namespace
} // namespace vantolex
