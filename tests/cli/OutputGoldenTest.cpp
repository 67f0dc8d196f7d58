// The bytes vantolex-print writes, kept as golden files: every output format and the layout JSON, for
// horizontal and vertical writing, with and without the total page count in a template, for one file, for
// several files with each kind of separator and for standard input. The clock is fixed, so that the dates in
// headers and in the PDF are too. tests/cli/golden holds each case's layout JSON as it is and the SHA-256 of
// its PDF, PostScript, SVG and PNG files in <case>.sha256 (as sha256sum writes them; PostScript without its
// %%CreationDate line, which Cairo takes from the system's clock, and SVG with its surface numbers, which count
// the surfaces the process has made before). Set VANTOLEX_REGENERATE_GOLDEN=1 to rewrite
// them for review.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include <cups/cups.h>

#include "base/Utf16.h"
#include "cli/PrintTool.h"
#include "e2e/SampleEncodings.h"
#include "layout/Clock.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

const fs::path goldenFolder = fs::path(VANTOLEX_SOURCE_DIR) / "tests/cli/golden";

bool regenerating()
{
    const char* value = std::getenv("VANTOLEX_REGENERATE_GOLDEN");
    return value && std::string(value) == "1";
}

std::string readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The bytes that stand for `file` in the comparison.
std::string comparedBytes(const fs::path& file)
{
    std::string bytes = readBytes(file);
    if (file.extension() == ".ps") {
        const std::string field = "\n%%CreationDate: ";
        if (const std::size_t at = bytes.find(field); at != std::string::npos)
            bytes.erase(at + 1, bytes.find('\n', at + 1) - at);
    }
    if (file.extension() == ".svg")
        bytes = std::regex_replace(bytes, std::regex("surface[0-9]+"), "surface");
    return bytes;
}

// "<hex>  <name>" of `file`, as sha256sum writes it.
std::string digestLine(const fs::path& file)
{
    const std::string bytes = comparedBytes(file);
    unsigned char hash[32];
    if (cupsHashData("sha2-256", bytes.data(), bytes.size(), hash, sizeof hash) != sizeof hash)
        throw std::runtime_error("no SHA-256");
    std::string line;
    char hex[3];
    for (const unsigned char byte : hash) {
        std::snprintf(hex, sizeof hex, "%02x", byte);
        line += hex;
    }
    return line + "  " + file.filename().string() + "\n";
}

// A text of about three small pages: prose, a tab, a line too long for its column, an empty line, a form feed
// at the start of a line and one inside a line, numbers and Latin letters (turned in vertical writing).
std::u16string documentText(int lines)
{
    static const std::u16string_view phrases[] = {
        u"吾輩は猫である。名前はまだ無い。",
        u"どこで生れたかとんと見当がつかぬ。",
        u"\t何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。",
        u"Page 12, ver. 2.1 と「ＡＢＣ」、ｶﾀｶﾅ。",
        u"",
        u"しかもあとで聞くとそれは書生という人間中で一番獰悪な種族であったそうだ。",
    };
    std::u16string text;
    for (int line = 0; line < lines; ++line) {
        if (line == lines / 2)
            text += u"\f";
        if (line == lines / 3)
            text += u"前\f後";
        text += phrases[static_cast<std::size_t>(line) % std::size(phrases)];
        text += u"\r\n";
    }
    return text;
}

struct GoldenCase
{
    std::string name;
    std::vector<std::string> settings; // --set values
    std::vector<std::string> inputs; // names of the samples printed, "-" for standard input (the UTF-16LE one)
};

const std::vector<std::string> withTotal
    = { "useHeaderFooter=1", "headerLeft=&w", "headerRight=&d &t", "footerCenter=- &p / &P -" };
const std::vector<std::string> withoutTotal = { "useHeaderFooter=1", "headerLeft=&w", "footerRight=&p" };

std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const GoldenCase cases[] = {
    { "horizontal", { "showPageNumber=1", "lineNumberInterval=5" }, { "sjis" } },
    { "horizontal-total", withTotal, { "sjis" } },
    { "vertical", join({ "vertical=1", "showFileName=1", "showPageNumber=1" }, withoutTotal), { "utf8" } },
    { "vertical-total", join({ "vertical=1", "columnSeparator=1" }, withTotal), { "utf8" } },
    { "files-blank-lines-total", join({ "separatorMethod=0", "separatorLines=3" }, withTotal), { "euc", "euc" } },
    { "files-column-break", join({ "separatorMethod=1", "vertical=1" }, withoutTotal), { "jis", "jis", "jis" } },
    { "files-page-break-total", join({ "separatorMethod=2", "vertical=1" }, withTotal), { "utf16be-bom", "utf16be" } },
    { "stdin-total", join({ "lineNumberInterval=10" }, withTotal), { "-" } },
    { "stdin", join({ "vertical=1", "wrapLines=0" }, withoutTotal), { "-" } },
};

struct Format
{
    std::string extension; // of -o, or "json" for --layout-json
};

const Format formats[] = { { "pdf" }, { "ps" }, { "svg" }, { "png" }, { "json" } };

class OutputGoldenTest : public ::testing::TestWithParam<GoldenCase>
{
protected:
    OutputGoldenTest()
    {
        folder = fs::temp_directory_path() / ("vantolex-output-golden-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        for (const EncodedSample& sample : encodeInEverySourceEncoding(documentText(70))) {
            std::ofstream(folder / (sample.name + ".txt"), std::ios::binary) << sample.bytes;
            samples[sample.name] = sample;
        }
    }
    ~OutputGoldenTest() override { fs::remove_all(folder); }

    // Runs the tool on the case's inputs, writing `output` in the format of its extension.
    int print(const GoldenCase& golden, const Format& format, const fs::path& output, std::string& input)
    {
        std::vector<std::string> arguments
            = { "--defaults", "--paper", "105x148", "--dpi", "150", "--set", "charsPerLine=30" };
        arguments.push_back(format.extension == "json" ? "--layout-json" : "-o");
        arguments.push_back(output.string());
        for (const std::string& setting : golden.settings) {
            arguments.push_back("--set");
            arguments.push_back(setting);
        }
        // One encoding for the whole command line; the files of a case share it.
        const auto sampleOf = [this](const std::string& name) -> const EncodedSample& {
            return samples.at(name == "-" ? "utf16le-bom" : name);
        };
        arguments.push_back("-e");
        arguments.push_back(sampleOf(golden.inputs.front()).encoding);
        for (const std::string& name : golden.inputs) {
            arguments.push_back(name == "-" ? "-" : (folder / (name + ".txt")).string());
            if (name == "-")
                input = sampleOf(name).bytes;
        }
        std::istringstream in(input);
        std::ostringstream out;
        PrintToolEnvironment environment { in, out, err, clock, false, {} };
        return runPrintTool(arguments, environment);
    }

    fs::path folder;
    std::map<std::string, EncodedSample> samples;
    std::ostringstream err;
    ClockFixed clock { LocalDateTime { 2026, 12, 7, 9, 5, 3, 540 } };
};

// The files a run wrote for `output`: the file itself, or the PNG pages beside it.
std::vector<fs::path> writtenFiles(const fs::path& output, const Format& format)
{
    if (format.extension != "png")
        return { output };
    std::vector<fs::path> pages;
    for (int page = 1;; ++page) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%04d.png", page);
        const fs::path path = output.parent_path() / (output.stem().string() + suffix);
        if (!fs::exists(path))
            break;
        pages.push_back(path);
    }
    return pages;
}

TEST_P(OutputGoldenTest, BytesAreTheGoldenOnes)
{
    const GoldenCase& golden = GetParam();
    std::string digests;
    for (const Format& format : formats) {
        SCOPED_TRACE(golden.name + "." + format.extension);
        std::string input;
        const fs::path output = folder / (golden.name + "." + format.extension);
        err.str({});
        ASSERT_EQ(print(golden, format, output, input), 0) << err.str();
        const std::vector<fs::path> files = writtenFiles(output, format);
        ASSERT_FALSE(files.empty());
        if (format.extension != "json") {
            for (const fs::path& file : files)
                digests += digestLine(file);
            continue;
        }
        const fs::path expected = goldenFolder / output.filename();
        if (regenerating()) {
            fs::create_directories(goldenFolder);
            fs::copy_file(output, expected, fs::copy_options::overwrite_existing);
        }
        EXPECT_TRUE(readBytes(output) == readBytes(expected)) << output << " differs from " << expected;
    }
    const fs::path expectedDigests = goldenFolder / (golden.name + ".sha256");
    if (regenerating())
        std::ofstream(expectedDigests, std::ios::binary) << digests;
    EXPECT_EQ(digests, readBytes(expectedDigests));
}

INSTANTIATE_TEST_SUITE_P(Documents, OutputGoldenTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace vantolex
