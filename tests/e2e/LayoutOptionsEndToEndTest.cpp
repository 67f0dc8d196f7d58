// vantolex-print with the layout options: characters beyond the BMP printed and read back from the PDF, and
// the options file written by --save-options and read by the next run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"

namespace vantolex {
namespace {

class LayoutOptionsEndToEnd : public EndToEndTest
{
protected:
    ProgramResult tool(const std::vector<std::string>& arguments)
    {
        return runProgram(VANTOLEX_PRINT_PROGRAM, arguments, folder);
    }

    std::string pdfText(const std::string& pdf)
    {
        const auto text = runProgram("pdftotext", { "-raw", pdf, "-" }, folder);
        EXPECT_EQ(text.status, 0) << text.err;
        std::string compact;
        for (const char c : text.out) {
            if (c != ' ' && c != '\n' && c != '\f')
                compact += c;
        }
        return compact;
    }

    std::string fileBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_F(LayoutOptionsEndToEnd, SupplementaryCharactersPrintAndCopyAsThemselves)
{
    const std::string source = write("yoshinoya.txt", "𠮷野家の牛丼と𩸽の干物、𠀋\n");
    for (const bool vertical : { false, true }) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        const std::string pdf = (folder / "out.pdf").string();
        const std::vector<std::string> common {
            "--defaults", "-e", "utf8", "--set", std::string("vertical=") + (vertical ? "1" : "0"), "-o", pdf
        };
        std::vector<std::string> on = common;
        on.insert(on.end(), { "--supplementary", source });
        const auto printed = tool(on);
        ASSERT_EQ(printed.status, 0) << printed.err;
        EXPECT_EQ(printed.err, ""); // no missing glyph: the face or its fallback has them all
        EXPECT_NE(pdfText(pdf).find("𠮷野家の牛丼と𩸽の干物、𠀋"), std::string::npos) << pdfText(pdf);

        std::vector<std::string> off = common;
        off.push_back(source);
        ASSERT_EQ(tool(off).status, 0);
        EXPECT_NE(pdfText(pdf).find("･･野家の牛丼と･･の干物、･･"), std::string::npos) << pdfText(pdf);
    }
}

TEST_F(LayoutOptionsEndToEnd, SavedOptionsHoldForTheNextRunAndFlagsForOneRun)
{
    const std::string settings = (folder / "VANTOLEX.DAT").string();
    write("vantolex.ini", "; kept\n[layout]\nsupplementary=true\nmine=1\n");
    const auto saved = tool({ "--settings", settings, "--kinsoku", "--save-options" });
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(fileBytes(folder / "vantolex.ini"), "; kept\n[layout]\nsupplementary=true\nmine=1\nkinsoku=true\n");

    const auto shown = tool({ "--settings", settings, "--show-settings" });
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\n禁則処理\tあり\n補助文字\tあり\n"), std::string::npos) << shown.out;
    const auto once = tool({ "--settings", settings, "--no-kinsoku", "--show-settings" });
    EXPECT_NE(once.out.find("\n禁則処理\tなし\n補助文字\tあり\n"), std::string::npos) << once.out;
    EXPECT_EQ(fileBytes(folder / "vantolex.ini"), "; kept\n[layout]\nsupplementary=true\nmine=1\nkinsoku=true\n");

    write("vantolex.ini", "[layout]\nkinsoku=\x82\xA0\n");
    const auto refused = tool({ "--settings", settings, "--save-options" });
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(
        refused.err.find("オプションファイルを読み込めないため、上書きしません: " + (folder / "vantolex.ini").string()),
        std::string::npos)
        << refused.err;
    EXPECT_EQ(fileBytes(folder / "vantolex.ini"), "[layout]\nkinsoku=\x82\xA0\n");
}

} // namespace
} // namespace vantolex
