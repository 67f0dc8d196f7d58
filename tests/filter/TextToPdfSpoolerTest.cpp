// vantolex-texttopdf installed beside the system's filters of a private spooler: plain text sent with lp
// reaches the capturing printer as our PDF through CUPS's usual chain (pdftopdf), with the job's options.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <regex>
#include <thread>

#include "base/FileDescriptor.h"
#include "render/fonts/FontFamilies.h"
#include "settings/SettingsStore.h"
#include "support/PdfText.h"
#include "support/PrivateCupsd.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

class TextToPdfSpooler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_PDFTOTEXT();
        if (!isFamilyInstalled(u"IPAMincho"))
            GTEST_SKIP() << "the packaged font IPAMincho is not installed";
        if (!std::filesystem::exists(VANTOLEX_INSTALLED_FILTER))
            GTEST_SKIP() << "the filter is not installed into the build tree (the test filter_install does it)";
        m_folder = testing::scratchFolder("texttopdf-spooler");
        m_settings = m_folder / "VANTOLEX.DAT";
        writeSystemSettings();
        PrivateCupsd::Additions additions { { VANTOLEX_INSTALLED_FILTER },
                                            { VANTOLEX_INSTALLED_CONVS },
                                            { { "VANTOLEX_SYSTEM_SETTINGS", m_settings.string() } } };
        m_cupsd = std::make_unique<PrivateCupsd>(std::move(additions));
        if (const std::string why = m_cupsd->start(); !why.empty())
            GTEST_SKIP() << "no private spooler: " << why;
    }

    void TearDown() override
    {
        m_cupsd.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // The system's settings file of an administrator: a preset that puts a header over every page.
    void writeSystemSettings()
    {
        SettingsStore store(m_settings, SettingsAccess::ReadOnly);
        PrintSettings framed;
        framed.useHeaderFooter = true;
        framed.headerCenter = u"社内文書 &w";
        store.updatePreset(u"社内", framed);
        ASSERT_EQ(store.save(), SaveResult::Saved);
    }

    std::filesystem::path writeText(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Sends `file` with lp; the job's id, 0 when lp refused it.
    int submit(const char* printer, const std::string& title, const std::filesystem::path& file,
               const std::vector<std::string>& options = {})
    {
        std::string command = "lp -d " + std::string(printer) + " -t " + quoted(title);
        for (const std::string& option : options)
            command += " -o " + quoted(option);
        const std::string answer = test::commandOutput(command + " " + quoted(file.string()) + " 2>&1");
        std::smatch match;
        if (!std::regex_search(answer, match, std::regex(std::string(printer) + "-([0-9]+)")))
            ADD_FAILURE() << answer;
        return match.empty() ? 0 : std::stoi(match[1]);
    }

    // Prints `file` on a printer behind CUPS's pdftopdf and returns where the page went; fails the test unless the job
    // completed.
    std::filesystem::path print(const std::string& title, const std::filesystem::path& file,
                                const std::vector<std::string>& options = {},
                                const char* printer = PrivateCupsd::driven)
    {
        const int id = submit(printer, title, file, options);
        EXPECT_EQ(m_cupsd->waitForJob(printer, id, IPP_JSTATE_CANCELED), IPP_JSTATE_COMPLETED) << m_cupsd->errorLog();
        return m_cupsd->capturePath(printer);
    }

    std::string jobLog(int id) const
    {
        std::string lines;
        std::istringstream log(m_cupsd->errorLog());
        const std::string tag = "[Job " + std::to_string(id) + "] ";
        for (std::string line; std::getline(log, line);) {
            if (line.find(tag) != std::string::npos)
                lines += line + "\n";
        }
        return lines;
    }

    std::filesystem::path m_folder;
    std::filesystem::path m_settings;
    std::unique_ptr<PrivateCupsd> m_cupsd;
};

TEST_F(TextToPdfSpooler, PlainTextPrintsAsOurPdfWithTheTitleInTheHeaderAndFullWidthCharactersInTwoCells)
{
    const auto memo = writeText("memo.txt", "全角四字\nabcdefgh\n");
    const auto pdf = print("メモ", memo, { "prettyprint" });

    const std::optional<std::string> text = testing::pdfText(pdf);
    ASSERT_TRUE(text) << m_cupsd->errorLog();
    EXPECT_NE(text->find("メモ"), std::string::npos) << *text;
    EXPECT_NE(text->find("全角四字"), std::string::npos) << *text;
    EXPECT_NE(text->find("abcdefgh"), std::string::npos) << *text;
    const std::string info = testing::runTool(VANTOLEX_PDFINFO, "", pdf).value_or("");
    EXPECT_TRUE(std::regex_search(info, std::regex("Producer: +Vantolex"))) << info;
    EXPECT_NE(jobLog(1).find("filter/pdftopdf"), std::string::npos); // CUPS's usual chain
    EXPECT_NE(info.find("595.276 x 841.89 pts"), std::string::npos) << info; // the queue's A4
    const std::string fonts = testing::runTool(VANTOLEX_PDFFONTS, "", pdf).value_or("");
    EXPECT_NE(fonts.find("CID TrueType"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no  "), std::string::npos) << fonts; // every font embedded

    // Four full-width characters take the eight cells of eight half-width ones.
    const std::optional<std::vector<testing::PdfWord>> words = testing::pdfWords(pdf);
    ASSERT_TRUE(words);
    std::optional<double> fullWidth;
    std::optional<double> halfWidth;
    for (const testing::PdfWord& word : *words) {
        if (word.text == "全角四字")
            fullWidth = word.xMax - word.xMin;
        if (word.text == "abcdefgh")
            halfWidth = word.xMax - word.xMin;
    }
    ASSERT_TRUE(fullWidth && halfWidth);
    EXPECT_NEAR(*fullWidth, *halfWidth, 0.01);
}

TEST_F(TextToPdfSpooler, JobOptionsChooseWritingColumnsEncodingPresetAndPaper)
{
    struct Row
    {
        const char* name;
        const char* printer;
        std::string bytes;
        std::vector<std::string> options;
        std::vector<std::string> expected; // in pdftotext's text, or pdffonts' and pdfinfo's
    };
    const Row rows[] = {
        { "vertical writing",
          PrivateCupsd::driven,
          "縦書きの行\n",
          { "vantolex-vertical=true" },
          { "縦書きの行", "Identity-V" } },
        // 日本語 in Shift JIS
        { "Shift JIS", PrivateCupsd::driven, "\x93\xfa\x96\x7b\x8c\xea\n", { "vantolex-encoding=sjis" }, { "日本語" } },
        { "a preset of the system's settings file",
          PrivateCupsd::driven,
          "本文\n",
          { "vantolex-preset=社内" },
          { "社内文書 題名", "本文" } },
        { "the job's media among the queue's sizes",
          PrivateCupsd::driven,
          "小さな紙\n",
          { "media=A5" },
          { "小さな紙", "419.528 x 595.276 pts" } },
        { "the queue's own paper from its PPD", PrivateCupsd::letter, "レター\n", {}, { "レター", "612 x 792 pts" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto pdf = print("題名", writeText("row.txt", row.bytes), row.options, row.printer);
        const std::string seen = testing::pdfText(pdf).value_or("")
            + testing::runTool(VANTOLEX_PDFFONTS, "", pdf).value_or("")
            + testing::runTool(VANTOLEX_PDFINFO, "", pdf).value_or("");
        for (const std::string& expected : row.expected)
            EXPECT_NE(seen.find(expected), std::string::npos) << seen;
    }
}

TEST_F(TextToPdfSpooler, ThreeColumnsStandSideBySide)
{
    // A form feed at the start of a line breaks the column.
    const auto text = writeText("six.txt", "一行目\n二行目\n\f三行目\n四行目\n\f五行目\n六行目\n");
    const auto pdf = print("段", text, { "columns=3" });
    const std::optional<std::vector<testing::PdfWord>> words = testing::pdfWords(pdf);
    ASSERT_TRUE(words);
    std::map<std::string, testing::PdfWord> byText;
    for (const testing::PdfWord& word : *words)
        byText[word.text] = word;
    ASSERT_EQ(byText.count("一行目") + byText.count("三行目") + byText.count("五行目"), 3u)
        << testing::pdfText(pdf).value_or("");
    EXPECT_LT(byText["一行目"].xMin, byText["三行目"].xMin);
    EXPECT_LT(byText["三行目"].xMin, byText["五行目"].xMin);
    EXPECT_NEAR(byText["一行目"].yMin, byText["三行目"].yMin, 0.01);
    EXPECT_NEAR(byText["三行目"].yMin, byText["五行目"].yMin, 0.01);
    EXPECT_GT(byText["二行目"].yMin, byText["一行目"].yMin);
}

TEST_F(TextToPdfSpooler, ABadOptionFailsTheJobWithItsErrorAndPrintsNothing)
{
    struct Row
    {
        const char* name;
        std::string option;
        std::string logged;
    };
    // (lp sends columns, cpi, lpi and the page margins as integers: "columns=many" arrives as columns=0.)
    const Row rows[] = {
        { "a bad value", "vantolex-encoding=latin1",
          "ジョブオプションの値が正しくありません: vantolex-encoding=latin1" },
        { "an invalid record", "columns=many", "段組数（1～9）" },
        { "an unknown preset", "vantolex-preset=なし", "システムの設定ファイルにプリセットがありません: なし" },
    };
    const auto text = writeText("bad.txt", "印刷されない\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int id = submit(PrivateCupsd::driven, "失敗", text, { row.option });
        // CUPS stops a job whose filter failed; the queue goes on with the next.
        EXPECT_EQ(m_cupsd->waitForJob(PrivateCupsd::driven, id, IPP_JSTATE_STOPPED), IPP_JSTATE_STOPPED);
        // An ERROR line of the filter is logged at the error level ("E").
        EXPECT_TRUE(std::regex_search(jobLog(id), std::regex("(^|\n)E [^\n]*\\] " + row.logged))) << jobLog(id);
        EXPECT_EQ(test::readFileBytes(m_cupsd->capturePath(PrivateCupsd::driven)), "");
    }
}

TEST_F(TextToPdfSpooler, CancellingALongJobEndsTheFilter)
{
    // The printer's file is a pipe that nobody reads: the filter, the last of its chain, stops at the first
    // full pipe, in the middle of the job.
    const std::filesystem::path capture = m_cupsd->capturePath(PrivateCupsd::direct);
    ASSERT_EQ(::mkfifo(capture.c_str(), 0666), 0);
    const FileDescriptor reader(::open(capture.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(reader);
    std::string text;
    for (int line = 1; line <= 20000; ++line)
        text += "第" + std::to_string(line) + "行、まだ続く長い文書の一行。\n";
    const int id = submit(PrivateCupsd::direct, "長い文書", writeText("long.txt", text));

    // The filter's process, as the spooler logs it when it starts the filter.
    const std::regex started(R"(Started filter [^ ]*vantolex-texttopdf \(PID ([0-9]+)\))");
    pid_t filter = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (filter == 0 && std::chrono::steady_clock::now() < deadline) {
        std::smatch match;
        const std::string log = jobLog(id);
        if (std::regex_search(log, match, started))
            filter = std::stoi(match[1]);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_GT(filter, 0) << m_cupsd->errorLog();
    ASSERT_EQ(m_cupsd->waitForJob(PrivateCupsd::direct, id, IPP_JSTATE_PROCESSING), IPP_JSTATE_PROCESSING);
    ASSERT_EQ(::kill(filter, 0), 0) << "the filter ended before the cancel";

    test::commandOutput("cancel " + std::string(PrivateCupsd::direct) + "-" + std::to_string(id));
    EXPECT_EQ(m_cupsd->waitForJob(PrivateCupsd::direct, id, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline + std::chrono::seconds(10)) {
        ended = ::kill(filter, 0) != 0 && errno == ESRCH;
        if (!ended)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(ended) << jobLog(id);
}

} // namespace
} // namespace vantolex
