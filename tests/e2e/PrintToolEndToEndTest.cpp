// vantolex-print run as a program: the same text in every source encoding, PDF and PNG files, exit statuses and
// messages, and line numbers across several files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"
#include "e2e/SampleEncodings.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

// Fixed device capabilities (A4-like, 600 dpi) so that the grid does not depend on the file device's defaults.
const std::vector<std::string> fixedDevice { "--defaults", "--device-caps", "4800,6600,600,600" };

// NEC and IBM extension characters (①, ㈱, 髙), the full-width tilde, kana (full- and half-width) and kanji.
constexpr char16_t sampleText[] = u"株式会社①の髙橋です。～波～\r\n"
                                  u"ｶﾀｶﾅとカタカナ、ひらがなと漢字。\r\n"
                                  u"㈱ Vantolex 123\r\n";
const std::vector<std::string> sampleLines { "株式会社①の髙橋です。～波～", "ｶﾀｶﾅとカタカナ、ひらがなと漢字。",
                                             "㈱ Vantolex 123" };

const std::string seeHelp = "vantolex-print: 使い方は vantolex-print --help で表示されます。\n";

class PrintToolEndToEnd : public EndToEndTest
{
protected:
    ProgramResult tool(const std::vector<std::string>& arguments)
    {
        return runProgram(VANTOLEX_PRINT_PROGRAM, arguments, folder);
    }

    // The layout JSON that the tool writes to standard output for `arguments` followed by --layout-json -.
    nlohmann::json layoutOf(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.end(), { "--layout-json", "-" });
        const auto result = tool(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return nlohmann::json::parse(result.out);
    }
};

std::vector<std::string> operator+(std::vector<std::string> left, const std::vector<std::string>& right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// The texts of all display lines of all pages, in page order.
std::vector<std::string> displayLines(const nlohmann::json& layout)
{
    std::vector<std::string> lines;
    for (const auto& page : layout["pages"]) {
        for (const auto& line : page["lines"])
            lines.push_back(line["text"]);
    }
    return lines;
}

std::string withoutWhiteSpace(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f'; });
    return text;
}

TEST_F(PrintToolEndToEnd, EverySourceEncodingGivesTheSameLinesAndHeaders)
{
    const std::vector<std::string> headerAndFooter { "--set", "useHeaderFooter=1",       "--set", "headerLeft=&w",
                                                     "--set", "headerCenter=&f",         "--set", "headerRight=&p/&P",
                                                     "--set", "footerCenter=- &p / &P -" };
    for (const EncodedSample& sample : encodeInEverySourceEncoding(sampleText)) {
        SCOPED_TRACE(sample.name);
        const std::string fileName = sample.name + ".txt";
        const std::string path = write(fileName, sample.bytes);
        const auto layout
            = layoutOf(fixedDevice + headerAndFooter + std::vector<std::string> { "-e", sample.encoding, path });
        EXPECT_EQ(displayLines(layout), sampleLines);
        EXPECT_EQ(layout["layout"]["fileName"], fileName);
        EXPECT_EQ(layout["layout"]["totalPages"], 1);
        ASSERT_EQ(layout["pages"].size(), 1u);
        EXPECT_EQ(layout["pages"][0]["header"], (nlohmann::json { fileName, path, "1/1" }));
        EXPECT_EQ(layout["pages"][0]["footer"], (nlohmann::json { "", "- 1 / 1 -", "" }));
    }
}

TEST_F(PrintToolEndToEnd, PdfHasThePagesAndTheTextOfItsLayout)
{
    const std::string source = write("lines.txt", numberedLines(45));
    for (const bool vertical : { false, true }) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        const std::string pdf = (folder / (vertical ? "vertical.pdf" : "horizontal.pdf")).string();
        // Ten lines a column, two columns a page, each source line wrapped: several pages.
        const std::vector<std::string> arguments { "--defaults",
                                                   "-e",
                                                   "utf8",
                                                   "--set",
                                                   "fontSizeBasis=1",
                                                   "--set",
                                                   "linesPerColumn=10",
                                                   "--set",
                                                   std::string("vertical=") + (vertical ? "1" : "0"),
                                                   "-o",
                                                   pdf };
        const auto layout = layoutOf(arguments + std::vector<std::string> { source });
        EXPECT_FALSE(fs::exists(pdf)); // laying out draws nothing
        const int pages = layout["layout"]["totalPages"];
        EXPECT_GE(pages, 2);
        EXPECT_EQ(layout["pages"].size(), static_cast<std::size_t>(pages));

        const auto printed = tool(arguments + std::vector<std::string> { source });
        ASSERT_EQ(printed.status, 0) << printed.err;
        EXPECT_EQ(printed.err, "");
        const auto info = runProgram("pdfinfo", { pdf }, folder);
        ASSERT_EQ(info.status, 0) << info.err;
        std::smatch count;
        ASSERT_TRUE(std::regex_search(info.out, count, std::regex("\nPages: +([0-9]+)\n"))) << info.out;
        EXPECT_EQ(std::stoi(count[1]), pages);

        const auto text = runProgram("pdftotext", { "-raw", pdf, "-" }, folder);
        ASSERT_EQ(text.status, 0) << text.err;
        const std::string drawn = withoutWhiteSpace(text.out);
        std::size_t from = 0;
        for (const std::string& line : displayLines(layout)) {
            const auto at = drawn.find(withoutWhiteSpace(line), from);
            ASSERT_NE(at, std::string::npos) << "not drawn in order: " << line << "\n" << text.out;
            from = at + withoutWhiteSpace(line).size();
        }
    }
}

TEST_F(PrintToolEndToEnd, FailuresGiveTheirStatusAndMessage)
{
    const std::string source = write("a.txt", "abc\r\n");
    const std::string missing = (folder / "missing.txt").string();
    const std::string intoMissingFolder = (folder / "no-such-folder" / "out.pdf").string();
    const std::string pdf = (folder / "out.pdf").string();
    struct Row
    {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const Row rows[] = {
        { "missing source file",
          { "--defaults", "-o", pdf, missing },
          2,
          "vantolex-print: ファイルが見つかりません。\nvantolex-print: " + missing + "\n" },
        { "unknown setting",
          { "--defaults", "-o", pdf, "--set", "colums=2", source },
          64,
          "vantolex-print: 設定項目がありません: colums\n" + seeHelp },
        { "malformed setting value",
          { "--defaults", "-o", pdf, "--set", "columns=two", source },
          64,
          "vantolex-print: 設定値の形式が正しくありません: columns=two\n" + seeHelp },
        { "setting out of range",
          { "--defaults", "-o", pdf, "--set", "charsPerLine=0", source },
          1,
          "vantolex-print: 設定値が正しくありません。\n\nvantolex-print: 文字数（1～999）\n" },
        { "output into a missing folder",
          { "--defaults", "-o", intoMissingFolder, source },
          2,
          "vantolex-print: 出力ファイルを作成できません: " + intoMissingFolder
              + "\nvantolex-print: 保存先のフォルダーがありません。\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = tool(row.arguments);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.err, row.message);
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(fs::exists(pdf));
    }
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

TEST_F(PrintToolEndToEnd, PngWritesOneFilePerPage)
{
    const std::string png = (folder / "page.png").string();
    const std::vector<std::string> arguments { "--defaults",
                                               "-e",
                                               "utf8",
                                               "--dpi",
                                               "50",
                                               "--set",
                                               "fontSizeBasis=1",
                                               "--set",
                                               "linesPerColumn=10",
                                               "-o",
                                               png,
                                               write("lines.txt", numberedLines(12)) };
    const int pages = layoutOf(arguments)["layout"]["totalPages"];
    ASSERT_EQ(pages, 3);
    const auto result = tool(arguments);
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* page : { "page-0001.png", "page-0002.png", "page-0003.png" }) {
        SCOPED_TRACE(page);
        EXPECT_EQ(readFile(folder / page).substr(0, 8), "\x89PNG\r\n\x1A\n");
    }
    EXPECT_FALSE(fs::exists(folder / "page-0004.png"));
    EXPECT_FALSE(fs::exists(png));
}

TEST_F(PrintToolEndToEnd, LineNumbersRunAcrossFiles)
{
    std::vector<std::string> files;
    for (const char* name : { "first", "second", "third" })
        files.push_back(write(std::string(name) + ".txt", std::string(name) + " A\r\n" + name + " B\r\n"));
    const auto layout = layoutOf(fixedDevice
                                 + std::vector<std::string> { "--set", "separatorMethod=0", "--set", "separatorLines=1",
                                                              "--set", "lineNumberInterval=1" }
                                 + files);
    // The blank separator line after each file but the last is numbered too.
    const std::vector<std::string> expected { "   1:first A",  "   2:first B", "   3:",        "   4:second A",
                                              "   5:second B", "   6:",        "   7:third A", "   8:third B" };
    EXPECT_EQ(displayLines(layout), expected);
}

} // namespace
} // namespace vantolex
