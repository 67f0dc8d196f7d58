#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/PrintTool.h"
#include "layout/Clock.h"
#include "layout/RecordingDevice.h"
#include "render/fonts/FontFamilies.h"
#include "render/fonts/FontHandles.h"
#include "spool/JobOptions.h"

namespace vantolex {
namespace {

namespace fs = std::filesystem;

const std::string prefix = "vantolex-print: "; // of every line on standard error
const std::string seeHelp = prefix + "使い方は vantolex-print --help で表示されます。\n";

// Runs the tool in process with captured streams and a recording device as its printer.
class PrintToolTest : public ::testing::Test
{
protected:
    PrintToolTest()
    {
        folder = fs::temp_directory_path() / ("vantolex-print-tool-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~PrintToolTest() override { fs::remove_all(folder); }

    int run(std::vector<std::string> arguments, const std::string& input = {})
    {
        std::istringstream in(input);
        out.str({});
        err.str({});
        PrintToolEnvironment environment { in, out, err, clock, false, {}, {}, {}, false };
        environment.inIsTerminal = inIsTerminal;
        environment.findPrinter = [this](const std::string& destination, const std::string& instance) {
            return PrinterSelection { destination.empty() ? "(default)" : destination, instance, userDefaults };
        };
        environment.printerMedia = [](const PrinterSelection&) {
            return std::vector<PrinterMedia> { { "iso_a4_210x297mm", "A4", 21000, 29700 },
                                               { "na_letter_8.5x11in", "Letter", 21590, 27940 } };
        };
        environment.openPrinter = [this](const PrinterSelection& printer) -> std::unique_ptr<Device> {
            openedPrinter = printer.destination;
            openedSelection = printer;
            if (!printerAvailable)
                return nullptr;
            auto device = std::make_unique<RecordingDevice>(DeviceCaps { 4800, 6600, 600, 600 });
            if (failingStartPage)
                device->setJobResult(RecordedCall::Kind::StartPage, SpoolResult::OutOfDisk);
            return device;
        };
        return runPrintTool(arguments, environment);
    }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder;
    std::ostringstream out;
    std::ostringstream err;
    ClockFixed clock { LocalDateTime { 2026, 12, 7, 9, 5, 3 } };
    std::string openedPrinter;
    PrinterSelection openedSelection;
    JobOptionList userDefaults; // of every destination, as lpoptions would give them
    bool printerAvailable = true;
    bool inIsTerminal = false;
    bool failingStartPage = false;
};

TEST_F(PrintToolTest, HelpAndVersion)
{
    EXPECT_EQ(run({ "--help" }), 0);
    EXPECT_TRUE(out.str().starts_with("使い方: vantolex-print [オプション] [ファイル...]\n")) << out.str();
    EXPECT_EQ(run({ "--version" }), 0);
    EXPECT_TRUE(out.str().starts_with("vantolex-print ")) << out.str();
}

TEST_F(PrintToolTest, UsageErrorsExitWith64)
{
    EXPECT_EQ(run({ "--bogus" }), 64);
    EXPECT_EQ(err.str(), prefix + "不明なオプションです: --bogus\n" + seeHelp);
    EXPECT_EQ(run({ "--defaults", "--set", "colums=2", "a.txt" }), 64);
    EXPECT_EQ(err.str(), prefix + "設定項目がありません: colums\n" + seeHelp);
    EXPECT_EQ(run({ "--defaults", "--set", "vertical=yes", "a.txt" }), 64);
    EXPECT_EQ(err.str(), prefix + "設定値の形式が正しくありません: vertical=yes\n" + seeHelp);
    EXPECT_EQ(run({ "--defaults", "-o", "out.txt", "a.txt" }), 64);
    EXPECT_EQ(err.str(), prefix + "出力形式が分かりません（.pdf .ps .svg .png）: out.txt\n" + seeHelp);
}

TEST_F(PrintToolTest, InvalidSettingsAreAWarningWithTheCombinedMessage)
{
    EXPECT_EQ(run({ "--defaults", "--set", "charsPerLine=0", "--set", "endCondition=7", "a.txt" }), 1);
    EXPECT_EQ(err.str(),
              prefix + "設定値が正しくありません。\n\n" + prefix + "文字数（1～999）\n\n" + prefix
                  + "異常：印刷終了条件\n");
}

TEST_F(PrintToolTest, ShowSettingsPrintsTheRows)
{
    EXPECT_EQ(run({ "--defaults", "--set", "vertical=1", "--show-settings" }), 0);
    const std::string expected = "縦書き\t\nテキスト\t96 文字/行\n段組\t2 段/ページ\nタブ\t8 文字毎\n折り返し\tあり\n"
                                 "フォント\t@ＭＳ 明朝 (日本語)\n印刷範囲\t初めから、終わりまで\n余白\tなし\n"
                                 "行間\t1/4行分\n段落間\t8 mm\n情報表示\tあり\n行番号\tなし\n区切り線\tなし\n"
                                 "ページ番号\tなし\nファイル名\tなし\n禁則処理\tなし\n補助文字\tなし\n";
    EXPECT_EQ(out.str(), expected);
}

TEST_F(PrintToolTest, SourceFailures)
{
    inIsTerminal = true; // without a file, nobody means to type the text
    EXPECT_EQ(run({ "--defaults" }), 64);
    EXPECT_EQ(err.str(), prefix + "ファイルが指定されていません（標準入力は端末です）。\n" + seeHelp);
    EXPECT_TRUE(openedPrinter.empty());
    inIsTerminal = false;
    EXPECT_EQ(run({ "--defaults", (folder / "missing.txt").string() }), 2);
    EXPECT_NE(err.str().find("missing.txt"), std::string::npos) << err.str();
    EXPECT_TRUE(openedPrinter.empty()); // the reader fails before a printer is asked for
}

TEST_F(PrintToolTest, LayoutJsonOnGivenCapabilitiesFromStandardInputWithoutAFile)
{
    EXPECT_EQ(run({ "--defaults", "--device-caps", "4800,6600,600,600", "--set", "charsPerLine=10", "--set",
                    "showPageNumber=1", "-e", "utf8", "--layout-json", "-" },
                  "abc\n\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\n"),
              0)
        << err.str();
    const auto document = nlohmann::json::parse(out.str());
    EXPECT_EQ(document["layout"]["pageWidth"], 4800);
    EXPECT_EQ(document["layout"]["cellsPerLine"], 10);
    EXPECT_EQ(document["layout"]["fileName"], "標準入力");
    ASSERT_EQ(document["pages"].size(), 1u);
    EXPECT_EQ(document["pages"][0]["footer"], (nlohmann::json { "", "- 1 -", "" }));
    EXPECT_EQ(document["pages"][0]["lines"][1]["text"], "日本語");
    EXPECT_TRUE(openedPrinter.empty());
}

// A UTF-8 file read as Shift JIS because no encoding was given earns one line on standard error, and is still
// read as Shift JIS; a chosen encoding, a pure ASCII file and a Shift JIS file earn none.
TEST_F(PrintToolTest, AUtf8FileReadAsShiftJisByDefaultGetsAHint)
{
    const fs::path utf8 = write("utf8.txt", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\n");
    const fs::path ascii = write("ascii.txt", "plain\n");
    const fs::path sjis = write("sjis.txt", "\x93\xFA\x96\x7B\x8C\xEA\n");
    const std::vector<std::string> json
        = { "--defaults", "--device-caps", "4800,6600,600,600", "--layout-json", (folder / "out.json").string() };
    const auto withJson = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), json.begin(), json.end());
        return arguments;
    };

    EXPECT_EQ(run(withJson({ utf8.string() })), 0) << err.str();
    // One line (after the program's name, where the tool's messages carry it).
    const std::string hint
        = utf8.string() + " は UTF-8 のようです。UTF-8 として印刷するには -e utf8 を指定してください。\n";
    const std::string messages = err.str();
    EXPECT_TRUE(messages.ends_with(hint)) << messages;
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages;
    std::ifstream written(folder / "out.json");
    const auto document = nlohmann::json::parse(written);
    EXPECT_NE(document["pages"][0]["lines"][0]["text"], "日本語"); // decoded as Shift JIS all the same

    for (const auto& arguments : { std::vector<std::string> { "-e", "sjis", utf8.string() },
                                   std::vector<std::string> { "-e", "utf8", utf8.string() },
                                   std::vector<std::string> { ascii.string(), sjis.string() } }) {
        SCOPED_TRACE(arguments.back());
        EXPECT_EQ(run(withJson(arguments)), 0) << err.str();
        EXPECT_EQ(err.str(), "");
    }
}

TEST_F(PrintToolTest, HeadersAreDatedByTheClockOfTheEnvironment)
{
    EXPECT_EQ(run({ "--defaults", "--device-caps", "4800,6600,600,600", "--set", "useHeaderFooter=1", "--set",
                    "headerLeft=&d &t", "--layout-json", "-", "-" },
                  "x\n"),
              0)
        << err.str();
    const auto document = nlohmann::json::parse(out.str());
    EXPECT_EQ(document["pages"][0]["header"][0], "2026/12/07 09:05:03");
}

TEST_F(PrintToolTest, DetailsGoToStandardErrorBesideTheJson)
{
    const auto file = write("a.txt", "  sample text\r\n");
    EXPECT_EQ(
        run({ "--defaults", "--device-caps", "4800,6600,600,600", "--details", "--layout-json", "-", file.string() }),
        0);
    EXPECT_NE(err.str().find("1行目の内容\t  sample text\n"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("文字数\t96 文字/行\n"), std::string::npos) << err.str();
    EXPECT_TRUE(nlohmann::json::accept(out.str()));
}

TEST_F(PrintToolTest, PrinterChoiceAndFailures)
{
    const auto file = write("a.txt", "x\n");
    EXPECT_EQ(run({ "--defaults", file.string() }), 0) << err.str();
    EXPECT_EQ(openedPrinter, "(default)");
    EXPECT_EQ(run({ "--defaults", "-P", "office", file.string() }), 0) << err.str();
    EXPECT_EQ(openedPrinter, "office");

    printerAvailable = false;
    EXPECT_EQ(run({ "--defaults", "-P", "office", file.string() }), 1);
    EXPECT_EQ(err.str(), prefix + "プリンタ office を使用できません。\n");
    EXPECT_EQ(run({ "--defaults", file.string() }), 1);
    EXPECT_EQ(err.str(), prefix + "プリンタの設定が取得できません。\n");
}

TEST_F(PrintToolTest, OutputIntoAMissingFolderIsAnErrorBeforeAnythingIsRead)
{
    const auto output = folder / "no-such-folder" / "out.pdf";
    EXPECT_EQ(run({ "--defaults", "-o", output.string(), (folder / "missing.txt").string() }), 2);
    EXPECT_EQ(err.str(),
              prefix + "出力ファイルを作成できません: " + output.string() + "\n" + prefix
                  + "保存先のフォルダーがありません。\n");
    const auto notAFolder = write("plain.txt", "x\n") / "out.png";
    EXPECT_EQ(run({ "--defaults", "-o", notAFolder.string(), "-" }, "x\n"), 2);
    EXPECT_EQ(err.str(),
              prefix + "出力ファイルを作成できません: " + notAFolder.string() + "\n" + prefix
                  + "保存先のフォルダーがありません。\n");
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

// The faces a user asks for and the faces that print, on standard error; the print itself succeeds.
TEST_F(PrintToolTest, FaceNotFoundAndCharactersNoFaceHasAreReported)
{
    const auto file = write("a.txt", "漢字\n");
    const auto pdf = folder / "out.pdf";
    EXPECT_EQ(run({ "--defaults", "-e", "utf8", "--set", "fontName=No Such Face", "-o", pdf.string(), file.string() }),
              0);
    EXPECT_TRUE(err.str().starts_with(prefix + "フォント「No Such Face」が見つからないため、「")) << err.str();
    EXPECT_TRUE(err.str().ends_with("」で印刷します。\n")) << err.str();
    EXPECT_TRUE(fs::exists(pdf));

    // Balinese: printable for the layout, drawn by no face installed here.
    handles::FcCharSetPtr balinese(FcCharSetCreate());
    FcCharSetAddChar(balinese.get(), 0x1B05);
    handles::FcPatternPtr pattern(FcPatternCreate());
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, balinese.get());
    handles::FcObjectSetPtr objects(FcObjectSetBuild(FC_FILE, nullptr));
    handles::FcFontSetPtr covering(FcFontList(nullptr, pattern.get(), objects.get()));
    if (covering && covering->nfont > 0)
        GTEST_SKIP() << "a face installed here draws Balinese";
    const auto balineseFile = write("b.txt", "x\xE1\xAC\x85y\xE1\xAC\x85\n");
    EXPECT_EQ(run({ "--defaults", "-e", "utf8", "-o", pdf.string(), balineseFile.string() }), 0);
    EXPECT_EQ(err.str(), prefix + "どのフォントにもない文字が 2 字あり、欠字記号で印刷しました。\n");
}

TEST_F(PrintToolTest, ListedFacesShowTheFaceTheirFallbackTakes)
{
    if (!isFamilyInstalled(u"IPAMincho") || !isFamilyInstalled(u"IPAGothic") || !isFamilyInstalled(u"Noto Serif CJK JP")
        || !isFamilyInstalled(u"Noto Sans CJK JP"))
        GTEST_SKIP() << "the packaged fonts are not installed";
    EXPECT_EQ(run({ "--list-fonts" }), 0);
    EXPECT_NE(out.str().find("\n日本語\tIPA明朝\t固定ピッチ\t横書き\tNoto Serif CJK JP\n"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("\n日本語\t@IPAゴシック\t固定ピッチ\t縦書き\tNoto Sans CJK JP\n"), std::string::npos)
        << out.str();
}

// As lp does: the command line's job options, then the user's defaults for what it leaves open.
TEST_F(PrintToolTest, TheJobTakesTheCommandLinesOptionsOverTheUsersDefaults)
{
    const auto file = write("a.txt", "x\n").string();
    userDefaults = { { "sides", "two-sided-long-edge" }, { "copies", "2" }, { "landscape", "true" } };
    EXPECT_EQ(run({ "--defaults", "-d", "office/draft", "-n", "3", "-o", "number-up=2 orientation-requested=3",
                    "--paper", "letter", file }),
              0)
        << err.str();
    const PrinterSelection expected { "office",
                                      "draft",
                                      { { "copies", "3" },
                                        { "number-up", "2" },
                                        { "media", "na_letter_8.5x11in" },
                                        { "sides", "two-sided-long-edge" } },
                                      false };
    EXPECT_EQ(openedSelection, expected);

    // An orientation turns the sheet, on which the pages are laid out, and does not go to the job.
    EXPECT_EQ(run({ "--defaults", file }), 0) << err.str();
    EXPECT_EQ(openedSelection,
              (PrinterSelection { "(default)", "", { { "sides", "two-sided-long-edge" }, { "copies", "2" } }, true }));
}

TEST_F(PrintToolTest, APaperThePrinterDoesNotHaveIsAUsageErrorNamingItsSizes)
{
    EXPECT_EQ(run({ "--defaults", "-P", "office", "--paper", "A3", "-" }, "x\n"), 64);
    EXPECT_EQ(err.str(), prefix + "用紙サイズ A3 はプリンタ office にありません。使える用紙: A4, Letter\n" + seeHelp);
    EXPECT_TRUE(openedPrinter.empty());
}

TEST_F(PrintToolTest, SpoolerFailuresExitWith2DirectAndBuffered)
{
    const auto file = write("a.txt", "x\n");
    failingStartPage = true;
    EXPECT_EQ(run({ "--defaults", file.string() }), 2);
    EXPECT_EQ(err.str(), prefix + "スプールに必要なディスク領域がありません。\n");
    EXPECT_EQ(run({ "--defaults", "--set", "useHeaderFooter=1", "--set", "footerRight=&P", file.string() }), 2);
    EXPECT_EQ(err.str(), prefix + "スプールに必要なディスク領域がありません。\n");
}

TEST_F(PrintToolTest, PresetsAreSavedListedAppliedAndDeleted)
{
    const std::string settingsFile = (folder / "VANTOLEX.DAT").string();
    EXPECT_EQ(run({ "--settings", settingsFile, "--set", "columns=3", "--save-preset", "三段" }), 0) << err.str();
    EXPECT_EQ(run({ "--settings", settingsFile, "--list-presets" }), 0);
    EXPECT_EQ(out.str(), "初期値\n三段\n");
    EXPECT_EQ(run({ "--settings", settingsFile, "--preset", "三段", "--show-settings" }), 0);
    EXPECT_NE(out.str().find("段組\t3 段/ページ\n"), std::string::npos) << out.str();
    EXPECT_EQ(run({ "--settings", settingsFile, "--preset", "四段", "--show-settings" }), 1);
    EXPECT_EQ(err.str(), prefix + "プリセットがありません: 四段\n");
    EXPECT_EQ(run({ "--settings", settingsFile, "--delete-preset", "三段" }), 0);
    EXPECT_EQ(run({ "--settings", settingsFile, "--list-presets" }), 0);
    EXPECT_EQ(out.str(), "初期値\n");
}

TEST_F(PrintToolTest, SavedPresetNamesAreTrimmedAndWhatTheFileCannotStoreIsRefused)
{
    const std::string settingsFile = (folder / "VANTOLEX.DAT").string();
    EXPECT_EQ(run({ "--settings", settingsFile, "--save-preset", "\xE3\x80\x80 二段\t" }), 0) << err.str();
    EXPECT_EQ(run({ "--settings", settingsFile, "--save-preset", "二段" }), 0) << err.str();
    EXPECT_EQ(run({ "--settings", settingsFile, "--list-presets" }), 0);
    EXPECT_EQ(out.str(), "初期値\n二段\n");

    for (const char* blank : { "", " \xE3\x80\x80 " }) {
        EXPECT_EQ(run({ "--settings", settingsFile, "--save-preset", blank }), 64) << blank;
        EXPECT_EQ(err.str(), prefix + "プリセット名が空です。\n" + seeHelp);
    }
    EXPECT_EQ(run({ "--settings", settingsFile, "--list-presets" }), 0);
    EXPECT_EQ(out.str(), "初期値\n二段\n");

    EXPECT_EQ(run({ "--settings", settingsFile, "--set", "footerRight=&p \xF0\x9F\x96\xA8", "--save-preset", "印刷" }),
              64);
    EXPECT_EQ(err.str(),
              prefix + "設定項目 footerRight に設定ファイルに保存できない文字があります: U+1F5A8 \xF0\x9F\x96\xA8\n"
                  + seeHelp);
}

TEST_F(PrintToolTest, APresetChangeNeverWritesOverASettingsFileItCannotRead)
{
    const std::string bytes = "\xEF\xBB\xBF"
                              "5\r\n96,100,5,2,8,0,1\r\n"; // a byte-order mark, and cut short
    const std::string settingsFile = write("VANTOLEX.DAT", bytes).string();
    EXPECT_EQ(run({ "--settings", settingsFile, "--save-preset", "二段" }), 2);
    EXPECT_EQ(err.str(), prefix + "設定ファイルを読み込めないため、上書きしません: " + settingsFile + "\n");
    std::ifstream file(settingsFile, std::ios::binary);
    std::ostringstream kept;
    kept << file.rdbuf();
    EXPECT_EQ(kept.str(), bytes);
}

TEST_F(PrintToolTest, AnOutputThatIsOneOfTheInputsIsRefusedBeforeAnythingIsWritten)
{
    const std::string memo = write("memo.txt", "memo\n").string();
    const std::string other = write("other.txt", "other\n").string();
    const std::string page = write("out-0002.png", "page\n").string();
    const std::string pdf = (folder / "memo.pdf").string();
    const struct
    {
        std::vector<std::string> arguments;
        std::string named;
    } rows[] = {
        { { "--layout-json", memo, other, memo }, memo },
        { { "-o", pdf, other, pdf }, pdf }, // not there yet: the same path
        { { "-o", (folder / "out.png").string(), page }, page },
    };
    const std::string settingsFile = write("VANTOLEX.DAT", "").string();
    EXPECT_EQ(run({ "--settings", settingsFile, "--layout-json", settingsFile, memo }), 64);
    EXPECT_EQ(err.str(), prefix + "出力ファイルが入力ファイルと同じです: " + settingsFile + "\n" + seeHelp);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.named);
        std::vector<std::string> arguments { "--defaults" };
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        EXPECT_EQ(run(arguments), 64);
        EXPECT_EQ(err.str(), prefix + "出力ファイルが入力ファイルと同じです: " + row.named + "\n" + seeHelp);
    }
    std::ifstream file(memo);
    std::string text;
    std::getline(file, text);
    EXPECT_EQ(text, "memo");
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(PrintToolTest, StandardOutputThatCannotBeWrittenIsAnError)
{
    const auto file = write("a.txt", "x\n");
    for (const std::vector<std::string>& arguments :
         { std::vector<std::string> { "--help" },
           std::vector<std::string> { "--defaults", "--device-caps", "4800,6600,600,600", "--layout-json", "-",
                                      file.string() } }) {
        SCOPED_TRACE(arguments.front());
        out.setstate(std::ios::badbit); // as a full disk leaves it
        EXPECT_EQ(run(arguments), 2);
        EXPECT_EQ(err.str(), prefix + "標準出力に書き込めません。\n");
        out.clear();
    }
}

TEST_F(PrintToolTest, AFileNameThatIsNotUtf8IsOpenedAsGiven)
{
    const auto file = write("\x83\x81\x83\x82.txt", "abc\n"); // メモ.txt in Shift JIS
    EXPECT_EQ(run({ "--defaults", "--device-caps", "4800,6600,600,600", "--layout-json", "-", file.string() }), 0)
        << err.str();
    const auto document = nlohmann::json::parse(out.str());
    EXPECT_EQ(document["layout"]["fileName"], "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.txt"); // U+FFFD each
    EXPECT_EQ(document["pages"][0]["lines"][0]["text"], "abc");
}

TEST_F(PrintToolTest, ReadingTheSettingsWritesNothing)
{
    const std::string settingsFile = (folder / "VANTOLEX.DAT").string();
    EXPECT_EQ(run({ "--settings", settingsFile, "--show-settings" }), 0);
    EXPECT_FALSE(fs::exists(settingsFile));
}

} // namespace
} // namespace vantolex
