// vantolex-texttopdf run in process: its arguments, standard input, and a job that fails before any page.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "filter/TextToPdf.h"
#include "layout/Clock.h"
#include "render/fonts/FontFamilies.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

struct FilterResult
{
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the filter with `arguments`; standard input holds `input`. No PPD: A4.
FilterResult runFilter(const std::vector<std::string>& arguments, const std::string& input = "")
{
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    EXPECT_EQ(::write(fds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    ::close(fds[1]);
    std::ostringstream out;
    std::ostringstream err;
    const ClockFixed clock(LocalDateTime { 2026, 4, 1, 9, 30, 0, 540 });
    FilterEnvironment environment { fds[0], out, err, clock, "/nonexistent/VANTOLEX.DAT", std::nullopt };
    FilterResult result;
    result.status = runTextToPdf(arguments, environment);
    ::close(fds[0]);
    result.out = out.str();
    result.err = err.str();
    return result;
}

TEST(TextToPdf, WithoutTheFiveArgumentsOfAFilterItSaysHowToCallIt)
{
    const FilterResult result = runFilter({ "1", "user", "title", "1" });
    EXPECT_EQ(result.status, filterFailed);
    EXPECT_EQ(result.err, "ERROR: 使い方: vantolex-texttopdf ジョブ ユーザー タイトル 部数 オプション [ファイル]\n");
    EXPECT_EQ(result.out, "");
}

TEST(TextToPdf, ReadsStandardInputWithoutAFileAndLeavesNoTemporaryFile)
{
    SKIP_WITHOUT_PDFTOTEXT();
    if (!isFamilyInstalled(u"IPAMincho"))
        GTEST_SKIP() << "the packaged font IPAMincho is not installed";
    const std::filesystem::path folder = testing::scratchFolder("texttopdf-stdin");
    ::setenv("TMPDIR", folder.c_str(), 1);
    const FilterResult result = runFilter({ "7", "user", "標準入力の題", "1", "vantolex-showfilename=1" }, "一行目\n");
    ::unsetenv("TMPDIR");
    ASSERT_EQ(result.status, filterPrinted) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::ofstream(folder / "out.pdf", std::ios::binary) << result.out;
    const std::optional<std::string> text = testing::pdfText(folder / "out.pdf");
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("【 標準入力の題 】"), std::string::npos) << *text; // the job's title, not a file name
    EXPECT_NE(text->find("一行目"), std::string::npos) << *text;
}

TEST(TextToPdf, AJobThatCannotBeLaidOutFailsWithAnErrorLineAndNoPage)
{
    struct Row
    {
        const char* name;
        std::string options;
        std::string err;
    };
    const Row rows[] = {
        { "a bad value", "columns=many", "ERROR: ジョブオプションの値が正しくありません: columns=many\n" },
        { "an invalid record", "vantolex-columns=12", "ERROR: 設定値が正しくありません。\nERROR: 段組数（1～9）\n" },
        { "a grid the layout refuses",
          "vantolex-lineNumberInterval=1 vantolex-lineNumberDigits=9 vantolex-charsPerLine=10",
          "ERROR: 行番号の桁数が多過ぎます。\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FilterResult result = runFilter({ "7", "user", "title", "1", row.options }, "text\n");
        EXPECT_EQ(result.status, filterFailed);
        EXPECT_NE(result.err.find(row.err), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
} // namespace vantolex
