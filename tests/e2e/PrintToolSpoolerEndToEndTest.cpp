// vantolex-print run as a program on a private spooler, as lp users call it: the user's and the system's
// lpoptions, -o, -n and -d, --paper, standard input without a file; checked on the job's attributes as the
// spooler reports them.
#include <gtest/gtest.h>

#include <cups/cups.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"
#include "support/PrivateCupsd.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

using test::PrivateCupsd;

const std::string prefix = "vantolex-print: ";
const std::string seeHelp = prefix + "使い方は vantolex-print --help で表示されます。\n";

// The attributes of job `jobId` that a test looks at, each as the spooler words its value.
std::map<std::string, std::string> jobAttributes(int jobId)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", jobId);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    std::unique_ptr<ipp_t, void (*)(ipp_t*)> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"), ippDelete);
    std::map<std::string, std::string> attributes;
    for (const char* name : { "copies", "sides", "number-up", "job-priority", "media", "page-set" }) {
        ipp_attribute_t* attribute = response ? ippFindAttribute(response.get(), name, IPP_TAG_ZERO) : nullptr;
        char value[256] = "";
        if (attribute)
            ippAttributeString(attribute, value, sizeof value);
        attributes[name] = value;
    }
    return attributes;
}

class PrintToolSpoolerEndToEnd : public EndToEndTest
{
protected:
    void SetUp() override
    {
        if (const std::string why = m_cupsd.start(); !why.empty())
            GTEST_SKIP() << "no private spooler: " << why;
        // The user's lpoptions live in the home folder; the system's in the spooler's configuration folder.
        home = folder / "home";
        fs::create_directories(home / ".cups");
        setenv("HOME", home.c_str(), 1);
        systemOptions = fs::path(std::getenv("CUPS_SERVERROOT")) / "lpoptions";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove(systemOptions, ignored);
    }

    // Runs the tool with standard input from `input`.
    ProgramResult tool(const std::vector<std::string>& arguments, const std::string& input = "/dev/null")
    {
        std::vector<std::string> words { "-c", "exec \"$0\" \"$@\" < \"$INPUT\"", VANTOLEX_PRINT_PROGRAM };
        words.insert(words.end(), arguments.begin(), arguments.end());
        setenv("INPUT", input.c_str(), 1);
        return runProgram("/bin/sh", words, folder);
    }

    // The one job of `printer` that the last run left, once the spooler has done with it.
    std::map<std::string, std::string> lastJob(const std::string& printer)
    {
        const std::vector<test::SpooledJob> jobs = m_cupsd.jobs(printer);
        if (jobs.empty()) {
            ADD_FAILURE() << "no job on " << printer;
            return {};
        }
        m_cupsd.waitForJob(printer, jobs.back().id, IPP_JSTATE_COMPLETED);
        return jobAttributes(jobs.back().id);
    }

    PrivateCupsd m_cupsd;
    fs::path home;
    fs::path systemOptions;
};

TEST_F(PrintToolSpoolerEndToEnd, TheUsersDefaultsReachTheJobUnderTheCommandLinesOptions)
{
    const std::string source = write("memo.txt", numberedLines(3));
    write("home/.cups/lpoptions", "Default capture sides=two-sided-long-edge copies=2\n");
    std::ofstream(systemOptions) << "Dest capture job-priority=70 sides=one-sided\n";

    ProgramResult result = tool({ "--defaults", "-e", "utf8", source });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    auto job = lastJob(PrivateCupsd::capture);
    EXPECT_EQ(job["copies"], "2");
    EXPECT_EQ(job["sides"], "two-sided-long-edge"); // the user's over the system's
    EXPECT_EQ(job["job-priority"], "70");

    result = tool({ "--defaults", "-e", "utf8", "-d", "capture", "-n", "3", "-o", "number-up=2 page-set=odd", "-o",
                    "sides=one-sided", source });
    ASSERT_EQ(result.status, 0) << result.err;
    job = lastJob(PrivateCupsd::capture);
    EXPECT_EQ(job["copies"], "3");
    EXPECT_EQ(job["number-up"], "2");
    EXPECT_EQ(job["page-set"], "odd");
    EXPECT_EQ(job["sides"], "one-sided");
    EXPECT_EQ(job["job-priority"], "70");
    EXPECT_EQ(m_cupsd.jobs(PrivateCupsd::capture).back().title, "memo.txt - Vantolex");
}

TEST_F(PrintToolSpoolerEndToEnd, PaperWithAPrinterIsTheJobsMediaOrAUsageErrorNamingTheQueuesSizes)
{
    const std::string source = write("memo.txt", numberedLines(3));
    ProgramResult result
        = tool({ "--defaults", "-e", "utf8", "-P", PrivateCupsd::letter, "--paper", "Letter", source });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(lastJob(PrivateCupsd::letter)["media"], "na_letter_8.5x11in");
    const ProgramResult info = runProgram("pdfinfo", { m_cupsd.capturePath(PrivateCupsd::letter).string() }, folder);
    EXPECT_NE(info.out.find("612 x 792 pts (letter)"), std::string::npos) << info.out;

    result = tool({ "--defaults", "-e", "utf8", "-P", PrivateCupsd::letter, "--paper", "A3", source });
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.err, prefix + "用紙サイズ A3 はプリンタ letter にありません。使える用紙: Letter\n" + seeHelp);
    EXPECT_EQ(m_cupsd.jobs(PrivateCupsd::letter).size(), 1u);
}

TEST_F(PrintToolSpoolerEndToEnd, WithoutAFileStandardInputIsPrintedUnlessItIsATerminal)
{
    const std::string input = write("input.txt", "標準入力の行\n");
    ProgramResult result = tool({ "--defaults", "-e", "utf8" }, input);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(lastJob(PrivateCupsd::capture)["copies"], "1");
    EXPECT_EQ(m_cupsd.jobs(PrivateCupsd::capture).back().title, "標準入力 - Vantolex");
    const ProgramResult text
        = runProgram("pdftotext", { m_cupsd.capturePath(PrivateCupsd::capture).string(), "-" }, folder);
    EXPECT_NE(text.out.find("標準入力の行"), std::string::npos) << text.out;

    // script gives the program a terminal as its standard input (and output).
    result = runProgram("script", { "-qec", std::string(VANTOLEX_PRINT_PROGRAM) + " --defaults", "/dev/null" }, folder);
    if (result.status == -1 || result.out.find("script:") == 0)
        GTEST_SKIP() << "no terminal: " << result.out << result.err;
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.out,
              prefix + "ファイルが指定されていません（標準入力は端末です）。\r\n" + prefix
                  + "使い方は vantolex-print --help で表示されます。\r\n");
    EXPECT_EQ(m_cupsd.jobs(PrivateCupsd::capture).size(), 1u);
}

TEST_F(PrintToolSpoolerEndToEnd, EveryLineOnStandardErrorBeginsWithTheProgramsName)
{
    const std::string source = write("memo.txt", numberedLines(3));
    const ProgramResult result = tool({ "--defaults", "-e", "utf8", "-P", PrivateCupsd::rejecting, source });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              prefix + "プリンタ rejecting は印刷ジョブを受け付けていません。\n" + prefix
                  + "理由: " + PrivateCupsd::rejectionReason + "\n");
}

} // namespace
} // namespace vantolex
