// vantolex-print with SOURCE_DATE_EPOCH: every date it writes comes from the variable, so that two runs on the
// same input give the same bytes.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"

namespace vantolex {
namespace {

// 2023-11-14 22:13:20 UTC.
constexpr const char* sourceDate = "1700000000";

class ReproducibleOutput : public EndToEndTest
{
protected:
    ReproducibleOutput() { ::setenv("SOURCE_DATE_EPOCH", sourceDate, 1); }
    ~ReproducibleOutput() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

    // The tool on a dated header, to `output` ("-" with --layout-json); what it wrote there.
    std::string print(const std::string& output)
    {
        std::vector<std::string> arguments {
            "--defaults", "--set", "useHeaderFooter=1", "--set", "headerLeft=&d &t", "-e", "utf8", text
        };
        if (output == "-")
            arguments.insert(arguments.end(), { "--layout-json", "-" });
        else
            arguments.insert(arguments.end(), { "-o", (folder / output).string() });
        const ProgramResult result = runProgram(VANTOLEX_PRINT_PROGRAM, arguments, folder);
        EXPECT_EQ(result.status, 0) << result.err;
        return output == "-" ? result.out : readFile(folder / (output == "page.png" ? "page-0001.png" : output));
    }

    std::string text = write("memo.txt", "日付のあるメモ\n");
};

TEST_F(ReproducibleOutput, DatesComeFromTheVariable)
{
    const auto document = nlohmann::json::parse(print("-"));
    EXPECT_EQ(document["pages"][0]["header"][0], "2023/11/14 22:13:20");
    EXPECT_NE(print("memo.pdf").find("/CreationDate(D:20231114221320+00'00')"), std::string::npos);
    const std::string postScript = print("memo.ps");
    EXPECT_NE(postScript.find("\n%%CreationDate: D:20231114221320+00'00'\n"), std::string::npos)
        << postScript.substr(0, 300);
}

TEST_F(ReproducibleOutput, TwoRunsGiveTheSameBytesInEveryFormat)
{
    for (const char* output : { "memo.pdf", "memo.ps", "memo.svg", "page.png" }) {
        SCOPED_TRACE(output);
        const std::string first = print(output);
        ASSERT_FALSE(first.empty());
        EXPECT_EQ(print(output), first);
    }
}

} // namespace
} // namespace vantolex
