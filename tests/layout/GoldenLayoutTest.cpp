// Golden layout cases: each tests/layout/golden/<name>.case holds the device, the settings and the text of one
// document; the run lays it out through the print run on a recording device and writes the layout JSON, which
// must equal <name>.json beside it, byte for byte, and must pass the layout invariants.
//
// To write the expectations anew after a deliberate change, run the tests with VANTOLEX_REGENERATE_GOLDEN=1
// (e.g. `VANTOLEX_REGENERATE_GOLDEN=1 ctest -R GoldenLayout`) and review the changed .json files in the diff.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "LayoutInvariants.h"
#include "base/Utf16.h"
#include "input/ClipboardReader.h"
#include "input/CodePage932.h"
#include "input/FileEntry.h"
#include "layout/OutputLayoutJson.h"
#include "layout/PrintRun.h"
#include "layout/RecordingDevice.h"
#include "layout/StreamByteSink.h"
#include "settings/PrintSettingsFields.h"
#include "support/FixedClipboard.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

const fs::path caseFolder = fs::path(VANTOLEX_SOURCE_DIR) / "tests/layout/golden";
const ClockFixed caseClock(LocalDateTime { 2026, 12, 7, 9, 5, 3 });

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The case's input. In the .case file (JSON):
//   "note":     what the case shows, and how its numbers come about (not read)
//   "device":   [width, height, dpiX, dpiY] of the printable area
//   "measure":  "fixed" (default) or "proportional": the recording device's measure
//   "settings": fields of the record by name, on top of the defaults (values as for --set)
//   "options":  the layout options of the options file: {"kinsoku": true, "supplementary": true} (default off)
//   "title":    the source's title (default "/docs/text.txt")
//   "text":     the source text; "\n" ends a line, "\f" at the start of a line is a column break
//   "files":    instead of "title" and "text", several files printed as one document: an array of
//               {"text": ..., "encoding": n}, n the encoding index of the file list (0 Shift JIS or 3 UTF-8,
//               the two the runner writes); each is written to a temporary file and the run reads them
//               through the multi-file reader with the settings' separatorMethod and separatorLines
struct CaseFile
{
    std::string bytes; // the file's content, in its encoding
    EncodingIndex encoding = 0;
};

struct GoldenCase
{
    DeviceCaps caps;
    RecordingMeasure measure = RecordingMeasure::FixedPitch;
    PrintSettings settings;
    std::u16string title = u"/docs/text.txt";
    std::u16string text;
    std::vector<CaseFile> files; // empty: the text is the source
};

CaseFile caseFile(const nlohmann::json& file)
{
    const std::string text = file.at("text");
    const int encoding = file.at("encoding");
    if (encoding == 3)
        return { text, encoding };
    if (encoding != 0)
        throw std::runtime_error("the runner writes files in encoding 0 or 3 only");
    const std::optional<std::string> bytes = cp932::encode(fromUtf8(text));
    if (!bytes)
        throw std::runtime_error("not Shift JIS: " + text);
    return { *bytes, encoding };
}

GoldenCase readCase(const fs::path& path)
{
    const nlohmann::json input = nlohmann::json::parse(fileText(path));
    GoldenCase result;
    const auto& device = input.at("device");
    result.caps = { device.at(0), device.at(1), device.at(2), device.at(3) };
    if (input.contains("measure") && input.at("measure") == "proportional")
        result.measure = RecordingMeasure::Proportional;
    result.settings.fontDescriptor = FontDescription { u"IPAGothic", u"日本語" };
    const nlohmann::json fields = input.value("settings", nlohmann::json::object());
    for (const auto& [name, value] : fields.items()) {
        const std::string text = value.is_string() ? value.get<std::string>()
            : value.is_boolean()                   ? std::string(value.get<bool>() ? "1" : "0")
                                                   : value.dump();
        if (setField(result.settings, name, text) != SetFieldResult::Done)
            throw std::runtime_error("cannot set " + name + " to " + text);
    }
    const nlohmann::json options = input.value("options", nlohmann::json::object());
    result.settings.layoutOptions.kinsoku = options.value("kinsoku", false);
    result.settings.layoutOptions.supplementary = options.value("supplementary", false);
    if (input.contains("files")) {
        for (const nlohmann::json& file : input.at("files"))
            result.files.push_back(caseFile(file));
        return result;
    }
    if (input.contains("title"))
        result.title = fromUtf8(input.at("title").get<std::string>());
    result.text = fromUtf8(input.at("text").get<std::string>());
    return result;
}

// The case's files written to a temporary folder of their own for as long as it lives, as the file list.
class CaseFiles
{
public:
    CaseFiles(const GoldenCase& golden, const std::string& name)
        : m_folder(fs::temp_directory_path() / ("vantolex-golden-" + name + "-" + std::to_string(::getpid())))
    {
        if (golden.files.empty())
            return;
        fs::create_directories(m_folder);
        for (std::size_t index = 0; index < golden.files.size(); ++index) {
            const fs::path path = m_folder / ("file" + std::to_string(index + 1) + ".txt");
            std::ofstream(path, std::ios::binary) << golden.files[index].bytes;
            entries.push_back({ path, golden.files[index].encoding });
        }
    }
    ~CaseFiles()
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    CaseFiles(const CaseFiles&) = delete;
    CaseFiles& operator=(const CaseFiles&) = delete;

    std::vector<FileEntry> entries;

private:
    fs::path m_folder;
};

// The clipboard reader under the case's title.
class CaseReader : public ClipboardReader
{
public:
    CaseReader(ClipboardSource& source, std::u16string title)
        : ClipboardReader(source)
        , m_title(std::move(title))
    {
    }
    std::u16string title() const override { return m_title; }

private:
    std::u16string m_title;
};

// The case's source: the clipboard text under the case's title, or the list of its files as the print run
// reads a list.
class CaseHost : public PrintRunHost
{
public:
    CaseHost(const GoldenCase& golden, const std::vector<FileEntry>& files)
        : m_golden(golden)
        , m_files(files)
    {
    }

    SourceChoice sourceChoice() const override
    {
        SourceChoice choice;
        choice.kind = SourceKind::MultipleFiles;
        choice.files = &m_files;
        return choice;
    }
    std::unique_ptr<TextReader> createSourceReader(const PrintSettings& settings) override
    {
        if (!m_golden.files.empty())
            return PrintRunHost::createSourceReader(settings);
        return std::make_unique<CaseReader>(m_clipboard, m_golden.title);
    }
    bool clipboardHasText() override { return true; }
    bool confirmDetails(std::u16string_view, const PrintSettings&, const PageLayout&) override { return true; }
    void setBusy(bool) override { }
    void report(ReportKind, const std::u16string& message) override { reported = toUtf8(message); }

    std::string reported;

private:
    const GoldenCase& m_golden;
    const std::vector<FileEntry>& m_files;
    FixedClipboard m_clipboard { m_golden.text + u'\0' };
};

// The text units of the items the case's reader delivers, without line ends and breaks.
std::u16string placedText(const GoldenCase& golden, const std::vector<FileEntry>& files)
{
    CaseHost host(golden, files);
    const std::unique_ptr<TextReader> reader = host.createSourceReader(golden.settings);
    std::u16string units;
    while (reader->nextLine()) {
        const TextLine line = reader->currentLine();
        if (line.kind == LineKind::Text && line.text)
            units += line.text;
    }
    return units;
}

// `expected` against `actual` as `diff -u` shows them.
std::string difference(const fs::path& expected, const std::string& actual)
{
    const fs::path actualPath = fs::temp_directory_path() / ("vantolex-golden-" + expected.filename().string());
    std::ofstream(actualPath, std::ios::binary) << actual;
    const std::string command = "diff -u '" + expected.string() + "' '" + actualPath.string() + "'";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        pclose(pipe);
    }
    fs::remove(actualPath);
    return output;
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(caseFolder)) {
        if (entry.path().extension() == ".case")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenLayout : public ::testing::TestWithParam<std::string>
{
};

TEST_P(GoldenLayout, MatchesItsExpectationAndTheInvariants)
{
    const fs::path expectedPath = caseFolder / (GetParam() + ".json");
    const GoldenCase golden = readCase(caseFolder / (GetParam() + ".case"));
    std::u16string invalid;
    ASSERT_TRUE(validate(invalid, golden.settings)) << toUtf8(invalid);
    const CaseFiles files(golden, GetParam());

    std::ostringstream out;
    StreamByteSink sink(out, u"");
    CaseHost host(golden, files.entries);
    LayoutJsonFactory factory([&golden] { return std::make_unique<RecordingDevice>(golden.caps, golden.measure); },
                              sink, caseClock);
    ASSERT_EQ(runPrintJob(host, golden.settings, factory, false), RunOutcome::Finished) << host.reported;
    const std::string actual = out.str();

    for (const std::string& failure : test::layoutInvariantFailures(nlohmann::json::parse(actual), golden.settings,
                                                                    placedText(golden, files.entries)))
        ADD_FAILURE() << failure;

    if (std::getenv("VANTOLEX_REGENERATE_GOLDEN")) {
        std::ofstream(expectedPath, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath << " is missing; VANTOLEX_REGENERATE_GOLDEN=1 writes it";
    if (fileText(expectedPath) != actual)
        ADD_FAILURE() << "the layout differs from " << expectedPath << ":\n" << difference(expectedPath, actual);
}

// The verifier itself: a document with a page missing, a line off the grid and a character lost fails it.
TEST(LayoutInvariants, NoticeAMissingPageALineOffTheGridAndALostCharacter)
{
    PrintSettings settings;
    settings.columns = 1;
    const nlohmann::json layout = nlohmann::json::parse(R"({"pageWidth": 1100, "pageHeight": 400, "areaWidth": 1100,
        "areaHeight": 400, "originX": 0, "originY": 0, "columnLength": 1100, "columnGap": 0, "halfCell": 100,
        "charHeight": 200, "lineGap": 0, "cellsPerLine": 10, "columnLines": 2, "totalPages": 2})");
    const nlohmann::json sound = { { "layout", layout }, { "pages", nlohmann::json::parse(R"([
        {"number": 1, "lines": [{"column": 0, "line": 0, "text": "ab"}, {"column": 0, "line": 1, "text": "c"}]},
        {"number": 2, "lines": [{"column": 0, "line": 0, "text": "d"}]}])") } };
    EXPECT_EQ(test::layoutInvariantFailures(sound, settings, u"abcd"), std::vector<std::string> {});

    nlohmann::json broken = sound;
    broken["pages"][1]["number"] = 3;
    broken["pages"][1]["lines"][0]["line"] = 2;
    const std::vector<std::string> expected = { "page 3 out of sequence", "page 3, column 0, line 2: off the grid",
                                                "the placed characters are not the text's: abcd" };
    EXPECT_EQ(test::layoutInvariantFailures(broken, settings, u"abcde"), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenLayout, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& caseName) {
                             std::string name = caseName.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace vantolex
