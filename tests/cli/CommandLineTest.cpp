#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "base/Utf16.h"
#include "cli/CommandLine.h"
#include "settings/PrintSettingsFields.h"

namespace vantolex {
namespace {

std::variant<PrintToolOptions, UsageError> parse(std::vector<std::string> arguments)
{
    return parseCommandLine(arguments);
}

PrintToolOptions parsed(std::vector<std::string> arguments)
{
    auto result = parse(std::move(arguments));
    if (auto* error = std::get_if<UsageError>(&result)) {
        ADD_FAILURE() << "usage error: " << std::string(error->message.begin(), error->message.end());
        return {};
    }
    return std::get<PrintToolOptions>(result);
}

std::u16string usageMessage(std::vector<std::string> arguments)
{
    auto result = parse(std::move(arguments));
    if (auto* error = std::get_if<UsageError>(&result))
        return error->message;
    ADD_FAILURE() << "parsed without a usage error";
    return {};
}

TEST(CommandLine, DefaultsWithoutArguments)
{
    const auto options = parsed({});
    EXPECT_TRUE(options.files.empty());
    EXPECT_EQ(options.encoding, 0);
    EXPECT_FALSE(options.output);
    EXPECT_EQ(options.paper, (PaperSize { 210, 297 }));
    EXPECT_EQ(options.dpi, 600);
    EXPECT_EQ(options.borderMillimetres, 5);
    EXPECT_FALSE(options.deviceCaps);
}

TEST(CommandLine, FilesAndOptionsMixInOrder)
{
    const auto options = parsed({ "a.txt", "-e", "euc", "b.txt", "--output=out.pdf", "--", "--c.txt" });
    EXPECT_EQ(options.files, (std::vector<std::string> { "a.txt", "b.txt", "--c.txt" }));
    EXPECT_EQ(options.encoding, 5);
    EXPECT_EQ(options.output, "out.pdf");
}

TEST(CommandLine, EncodingByShortNameDisplayNameOrIndex)
{
    const std::pair<const char*, int> rows[] = {
        { "sjis", 0 },      { "utf16le", 1 },     { "utf16be", 2 },
        { "utf8", 3 },      { "jis", 4 },         { "euc", 5 },
        { "Shift JIS", 0 }, { "Unicode", 1 },     { "Unicode (big endian)", 2 },
        { "UTF-8", 3 },     { "ISO-2022 JP", 4 }, { "EUC JP", 5 },
        { "0", 0 },         { "5", 5 },
    };
    for (const auto& [name, index] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(parseEncodingName(name), index);
    }
    for (const char* bad : { "6", "-1", "SJIS", "", "utf-8", "05" })
        EXPECT_FALSE(parseEncodingName(bad)) << bad;
    EXPECT_EQ(usageMessage({ "--encoding", "latin1" }), u"エンコーディングの指定が正しくありません: latin1");
}

TEST(CommandLine, PaperSizes)
{
    EXPECT_EQ(parsePaperSize("A3"), (PaperSize { 297, 420 }));
    EXPECT_EQ(parsePaperSize("b5"), (PaperSize { 182, 257 }));
    EXPECT_EQ(parsePaperSize("Letter"), (PaperSize { 215.9, 279.4 }));
    EXPECT_EQ(parsePaperSize("100x148"), (PaperSize { 100, 148 }));
    EXPECT_EQ(parsePaperSize("99.5x200"), (PaperSize { 99.5, 200 }));
    for (const char* bad : { "A5", "x100", "100x", "0x100", "-5x10", "100x148x2", "", "100X148" })
        EXPECT_FALSE(parsePaperSize(bad)) << bad;
    EXPECT_EQ(usageMessage({ "--paper", "A5" }), u"用紙サイズの指定が正しくありません: A5");
}

TEST(CommandLine, DeviceCaps)
{
    EXPECT_EQ(parsed({ "--device-caps", "4800,6814,600,600" }).deviceCaps, (DeviceCaps { 4800, 6814, 600, 600 }));
    for (const char* bad : { "4800,6814,600", "4800,6814,600,600,1", "a,b,c,d", "4800,,600,600", "" }) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(usageMessage({ "--device-caps", bad }),
                  u"--device-caps の値が正しくありません（幅,高さ,横dpi,縦dpi）: "
                      + std::u16string(bad, bad + strlen(bad)));
    }
}

TEST(CommandLine, FieldSettingsKeepTheirOrder)
{
    const auto options = parsed({ "--set", "charsPerLine=80", "--set=headerLeft=&f = x", "--set", "headerRight=" });
    const std::vector<std::pair<std::string, std::string>> expected
        = { { "charsPerLine", "80" }, { "headerLeft", "&f = x" }, { "headerRight", "" } };
    EXPECT_EQ(options.fieldSettings, expected);
    EXPECT_EQ(usageMessage({ "--set", "charsPerLine" }), u"--set の値が正しくありません（項目名=値）: charsPerLine");
    EXPECT_EQ(usageMessage({ "--set", "=5" }), u"--set の値が正しくありません（項目名=値）: =5");
}

TEST(CommandLine, UsageErrorsNameTheOption)
{
    EXPECT_EQ(usageMessage({ "--frobnicate" }), u"不明なオプションです: --frobnicate");
    EXPECT_EQ(usageMessage({ "--frobnicate=3" }), u"不明なオプションです: --frobnicate");
    EXPECT_EQ(usageMessage({ "-x" }), u"不明なオプションです: -x");
    EXPECT_EQ(usageMessage({ "-o" }), u"オプション -o には値が必要です。");
    EXPECT_EQ(usageMessage({ "a.txt", "--paper" }), u"オプション --paper には値が必要です。");
    EXPECT_EQ(usageMessage({ "--dpi", "0" }), u"--dpi の値が正しくありません: 0");
    EXPECT_EQ(usageMessage({ "--dpi", "600dpi" }), u"--dpi の値が正しくありません: 600dpi");
    EXPECT_EQ(usageMessage({ "--border", "-1" }), u"--border の値が正しくありません: -1");
    EXPECT_EQ(usageMessage({ "-o", "a.pdf", "-P", "lp" }), u"--output と --printer は同時に指定できません。");
    EXPECT_EQ(usageMessage({ "--defaults", "--settings", "x.dat" }),
              u"--defaults と --settings は同時に指定できません。");
    EXPECT_EQ(usageMessage({ "a.txt", "-" }), u"\"-\"（標準入力）はほかのファイルと一緒に指定できません。");
}

// -o is lp's job option when its value begins with NAME=, the output's path otherwise.
TEST(CommandLine, JobOptionsAsLpTakesThem)
{
    const auto options
        = parsed({ "-o", "sides=two-sided-long-edge", "-n", "3", "-o", "media='iso_a4_210x297mm' copies=2",
                   "--job-option", "landscape", "-o", "sides=one-sided", "-d", "office/draft" });
    const std::vector<std::pair<std::string, std::string>> expected
        = { { "sides", "one-sided" }, { "copies", "2" }, { "media", "iso_a4_210x297mm" }, { "landscape", "true" } };
    EXPECT_EQ(options.jobOptions, expected);
    EXPECT_FALSE(options.output);
    EXPECT_EQ(options.printer, "office/draft");

    const std::pair<const char*, const char*> paths[]
        = { { "out.pdf", "out.pdf" }, { "./a=b.pdf", "./a=b.pdf" }, { "/tmp/x=y/out.ps", "/tmp/x=y/out.ps" } };
    for (const auto& [value, path] : paths)
        EXPECT_EQ(parsed({ "-o", value }).output, path) << value;
    EXPECT_EQ(parsed({ "--paper", "letter", "-P", "q" }).paperName, "letter");

    EXPECT_EQ(usageMessage({ "-n", "0" }), u"--copies の値が正しくありません: 0");
    EXPECT_EQ(usageMessage({ "--copies", "10000" }), u"--copies の値が正しくありません: 10000");
    EXPECT_EQ(usageMessage({ "--job-option", " " }), u"--job-option の値が正しくありません（名前=値）:  ");
    for (const std::vector<std::string>& withFile : std::vector<std::vector<std::string>> {
             { "-o", "out.pdf", "-n", "2" }, { "-o", "copies=2", "--output", "out.pdf" } })
        EXPECT_EQ(usageMessage(withFile),
                  u"ジョブのオプション（-o 名前=値、--job-option、-n）はファイル出力には指定できません。");
}

TEST(CommandLine, APresetNameToSaveMustBeStorable)
{
    const std::pair<const char*, std::u16string> refused[] = {
        { "a\xF0\x9F\x98\x80", u"プリセット名に設定ファイルに保存できない文字があります: U+1F600 😀" },
        { "a\nb", u"プリセット名に設定ファイルに保存できない文字があります: U+000A" },
        { "\x93\xfa", u"プリセット名に設定ファイルに保存できない文字があります: U+FFFD \uFFFD" },
    };
    for (const auto& [name, message] : refused) {
        SCOPED_TRACE(name);
        EXPECT_EQ(usageMessage({ "--save-preset", name }), message);
    }
}

TEST(CommandLine, ParsesAgainAfterAnError)
{
    EXPECT_EQ(usageMessage({ "-x" }), u"不明なオプションです: -x");
    const auto options = parsed({ "--border", "0", "--dpi", "300", "--list-presets", "f" });
    EXPECT_EQ(options.borderMillimetres, 0);
    EXPECT_EQ(options.dpi, 300);
    EXPECT_TRUE(options.listPresets);
    EXPECT_EQ(options.files, (std::vector<std::string> { "f" }));
}

// Each option of the parser has its line in --help, with the name of its value, in the order of the table.
TEST(CommandLine, TheHelpNamesEveryOptionInOrder)
{
    const std::string help = toUtf8(helpText());
    std::size_t from = 0;
    for (const CommandLineOption& option : commandLineOptions()) {
        std::string written = option.shortName != 0 ? std::string { ' ', '-', option.shortName, ',' } : "";
        written += std::string(" --") + option.longName;
        if (!option.valueName.empty())
            written += " " + std::string(option.valueName);
        SCOPED_TRACE(written);
        const std::size_t at = help.find(written, from);
        ASSERT_NE(at, std::string::npos) << help;
        from = at + written.size();
    }
}

// Every field that --set takes has its line after the options, in the order of the record, with its values.
TEST(CommandLine, TheHelpListsEveryFieldThatSetTakes)
{
    const std::string help = toUtf8(helpText());
    std::size_t from = help.find("\n--set の設定項目（FIELD、値、意味）:\n");
    ASSERT_NE(from, std::string::npos) << help;
    for (const PrintSettingsField& field : printSettingsFields()) {
        SCOPED_TRACE(std::string(field.name));
        const std::size_t at = help.find("\n  " + std::string(field.name) + " ", from);
        ASSERT_NE(at, std::string::npos);
        const std::string line = help.substr(at + 1, help.find('\n', at + 1) - at - 1);
        EXPECT_NE(line.find(toUtf8(field.meaning)), std::string::npos) << line;
        from = at + 1;
    }
    EXPECT_NE(help.find("\n  charsPerLine           1～999   1行の文字数"), std::string::npos) << help;
    EXPECT_NE(help.find("\n  vertical               0/1      縦書き\n"), std::string::npos);
    EXPECT_NE(help.find("\n  headerLeft             文字列   ヘッダー左"), std::string::npos);
    EXPECT_NE(help.find("\n  lineNumberInterval     0, 1, 5, 10, 20, 50, 100  行番号"), std::string::npos);
}

// Whether `manual` has `word` as a word of its own: after a space, before a space, a line end, a comma or a quote.
bool namesWord(const std::string& manual, const std::string& word)
{
    for (std::size_t at = manual.find(word); at != std::string::npos; at = manual.find(word, at + 1)) {
        const char after = at + word.size() < manual.size() ? manual[at + word.size()] : '\n';
        if (at > 0 && manual[at - 1] == ' ' && std::strchr(" \n,\"", after) != nullptr)
            return true;
    }
    return false;
}

// The manual pages, English and Japanese, name every option of the parser and every field of --set.
TEST(CommandLine, TheManualPagesNameEveryOptionAndField)
{
    for (const char* page : { "/man/vantolex-print.1", "/man/ja/vantolex-print.1" }) {
        SCOPED_TRACE(page);
        std::ifstream file(std::string(VANTOLEX_SOURCE_DIR) + page);
        ASSERT_TRUE(file) << "no manual page";
        std::stringstream text;
        text << file.rdbuf();
        const std::string manual = text.str();
        for (const CommandLineOption& option : commandLineOptions()) {
            // As roff writes it: every "-" escaped.
            std::string written = "\\-\\-";
            for (const char* c = option.longName; *c != 0; ++c)
                written += *c == '-' ? std::string("\\-") : std::string(1, *c);
            EXPECT_TRUE(namesWord(manual, written)) << option.longName;
        }
        for (const PrintSettingsField& field : printSettingsFields())
            EXPECT_TRUE(namesWord(manual, std::string(field.name))) << field.name;
    }
}

} // namespace
} // namespace vantolex
