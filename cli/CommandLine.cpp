#include "cli/CommandLine.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "input/EncodingIndex.h"
#include "settings/PrintSettingsFields.h"
#include "settings/SettingsFileBytes.h"
#include "spool/JobOptions.h"

namespace vantolex {

namespace {

// getopt_long's code for an option without a short name: this plus the option's place in the table.
constexpr int firstLongOnlyCode = 256;

// The description of each option begins in this column of --help, or two spaces after a longer name.
constexpr std::size_t helpColumn = 25;

// In the list of settings fields, the meaning begins this many columns after the value, or two spaces after a
// longer one.
constexpr std::size_t helpValueColumns = 9;

std::optional<double> parseMillimetres(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(value > 0) || value > 10000)
        return std::nullopt;
    return value;
}

std::optional<DeviceCaps> parseDeviceCaps(std::string_view text)
{
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const auto comma = i < 3 ? text.find(',') : std::string_view::npos;
        if (i < 3 && comma == std::string_view::npos)
            return std::nullopt;
        const auto number = parseInteger(text.substr(0, comma));
        if (!number)
            return std::nullopt;
        values[i] = *number;
        text = i < 3 ? text.substr(comma + 1) : std::string_view();
    }
    return DeviceCaps { values[0], values[1], values[2], values[3] };
}

// The option that getopt_long refused: a long option as written (without "=value"), a short one as "-c".
std::string offendingOption(std::string_view argument, int shortOption)
{
    if (argument.starts_with("--"))
        return std::string(argument.substr(0, argument.find('=')));
    if (shortOption > ' ' && shortOption < 0x7F)
        return std::string { '-', static_cast<char>(shortOption) };
    return std::string(argument);
}

UsageError usage(std::u16string_view pattern, std::string_view first, std::string_view second = {})
{
    const std::u16string a = fromUtf8(first), b = fromUtf8(second);
    return { second.empty() ? formatText(pattern, { std::u16string_view(a) })
                            : formatText(pattern, { std::u16string_view(a), std::u16string_view(b) }) };
}

// The name to save a preset under, trimmed, or why it cannot be one.
std::variant<std::u16string, UsageError> presetNameToSave(std::string_view value)
{
    std::u16string name(trimWhiteSpace(fromUtf8(value)));
    // Names are stored trimmed, so a name that is only white space would come back empty.
    if (name.empty())
        return UsageError { std::u16string(cliText::emptyPresetName) };
    if (const std::optional<char32_t> character = unstorableCharacter(name)) {
        const std::u16string described = codePointName(*character);
        return UsageError { formatText(cliText::unstorablePresetName, { std::u16string_view(described) }) };
    }
    return name;
}

// An option that switches something on.
template <bool PrintToolOptions::*flag> std::optional<UsageError> switchOn(PrintToolOptions& options, std::string_view)
{
    options.*flag = true;
    return std::nullopt;
}

// An option whose value is kept as the bytes given: a path, a printer's name.
template <std::optional<std::string> PrintToolOptions::*member>
std::optional<UsageError> keepBytes(PrintToolOptions& options, std::string_view value)
{
    options.*member = std::string(value);
    return std::nullopt;
}

// An option whose value is a name, taken as UTF-8.
template <std::optional<std::u16string> PrintToolOptions::*member>
std::optional<UsageError> keepName(PrintToolOptions& options, std::string_view value)
{
    options.*member = fromUtf8(value);
    return std::nullopt;
}

// An option that sets a layout option of this run to `value`.
template <std::optional<bool> PrintToolOptions::*option, bool value>
std::optional<UsageError> setLayoutOption(PrintToolOptions& options, std::string_view)
{
    options.*option = value;
    return std::nullopt;
}

// A whole number from `lowest` to `highest` into `target`; the refusal names the option as `option`.
std::optional<UsageError> keepNumber(int& target, std::string_view value, int lowest, int highest,
                                     std::string_view option)
{
    const auto number = parseInteger(value);
    if (!number || *number < lowest || *number > highest)
        return usage(cliText::badNumber, option, value);
    target = *number;
    return std::nullopt;
}

// True when the value of -o is job options rather than a path: it begins with NAME=.
bool isJobOptionText(std::string_view value)
{
    const auto start = value.find_first_not_of(" \t");
    const auto equals = value.find('=');
    if (start == std::string_view::npos || equals == std::string_view::npos || equals == start)
        return false;
    return std::all_of(value.begin() + static_cast<std::ptrdiff_t>(start),
                       value.begin() + static_cast<std::ptrdiff_t>(equals),
                       [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '_'; });
}

std::optional<UsageError> addJobOptions(PrintToolOptions& options, std::string_view value)
{
    const JobOptionList parsed = parseJobOptions(value);
    if (parsed.empty())
        return usage(cliText::badJobOption, value);
    for (const auto& [name, setting] : parsed)
        setJobOption(options.jobOptions, name, setting);
    return std::nullopt;
}

// Every option, once: getopt_long's declarations, the parse and the lines of --help all come from here.
constexpr CommandLineOption optionTable[] = {
    { 'e', "encoding", "E",
      u"sjis | utf16le | utf16be | utf8 | jis | euc、表示名、または 0～5\n"
      u"（既定: Shift JIS。複数ファイルではすべてに適用）\n"
      u"ファイルを指定しなければ、端末でない標準入力をこの形式で読む（端末なら使い方の誤り）",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          const auto index = parseEncodingName(value);
          if (!index)
              return usage(cliText::badEncoding, value);
          options.encoding = *index;
          options.encodingGiven = true;
          return std::nullopt;
      } },
    { 'o', "output", "PATH",
      u"ファイルに出力。形式は拡張子で決まる: .pdf .ps .svg .png\n"
      u"（PNG はページごとに PATH の拡張子の前へ -0001, -0002, ... を付けたファイル）\n"
      u"-o 名前=値 の形ならジョブのオプション（--job-option と同じ。lp の -o）",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          if (isJobOptionText(value))
              return addJobOptions(options, value);
          const auto format = formatOfPath(std::string(value));
          if (!format)
              return usage(cliText::unknownFormat, value);
          options.output = std::string(value);
          options.outputFormat = *format;
          return std::nullopt;
      } },
    { 'P', "printer", "NAME",
      u"CUPS のプリンタ NAME（NAME/INSTANCE も可）に印刷。-o も -P もなければ既定のプリンタ\n"
      u"ユーザーの既定のオプション（~/.cups/lpoptions、CUPS の lpoptions）を lp と同じく適用",
      keepBytes<&PrintToolOptions::printer> },
    { 'd', "destination", "NAME", u"-P と同じ（lp の -d）", keepBytes<&PrintToolOptions::printer> },
    { 'n', "copies", "N", u"部数（ジョブの copies。lp の -n）",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          int copies = 1;
          if (auto refusal = keepNumber(copies, value, 1, 9999, "--copies"))
              return refusal;
          setJobOption(options.jobOptions, "copies", std::to_string(copies));
          return std::nullopt;
      } },
    { 0, "job-option", "NAME=VALUE",
      u"ジョブのオプション（lp の -o と同じ。sides, media, number-up, page-set, job-priority など）。\n"
      u"繰り返し可。lpoptions の既定より優先。landscape と orientation-requested は用紙を横向きにする",
      addJobOptions },
    { 0, "paper", "SIZE",
      u"用紙: A4（ファイル出力の既定）, A3, B4, B5, Letter, Legal, または 幅x高さ（mm）\n"
      u"プリンタではジョブの用紙（media）になる。プリンタにない用紙は使い方の誤り",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          const auto paper = parsePaperSize(value);
          if (!paper)
              return usage(cliText::badPaper, value);
          options.paper = *paper;
          options.paperName = std::string(value);
          return std::nullopt;
      } },
    { 0, "dpi", "N", u"ファイル出力の解像度（既定 600）",
      [](PrintToolOptions& options, std::string_view value) {
          return keepNumber(options.dpi, value, 1, 9600, "--dpi");
      } },
    { 0, "border", "MM", u"ファイル出力の印刷できない周囲の幅（既定 5。0 で用紙全体に印刷）",
      [](PrintToolOptions& options, std::string_view value) {
          return keepNumber(options.borderMillimetres, value, 0, 100, "--border");
      } },
    { 0, "device-caps", "W,H,DX,DY", u"印刷可能な幅と高さ（ピクセル）と横・縦の dpi を指定",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          const auto caps = parseDeviceCaps(value);
          if (!caps)
              return usage(cliText::badDeviceCaps, value);
          options.deviceCaps = *caps;
          return std::nullopt;
      } },
    { 0, "settings", "PATH", u"設定ファイル PATH を読む", keepBytes<&PrintToolOptions::settingsPath> },
    { 0, "defaults", "", u"設定ファイルを読まず、既定の設定で始める", switchOn<&PrintToolOptions::defaults> },
    { 0, "preset", "NAME", u"プリセット NAME を適用する", keepName<&PrintToolOptions::preset> },
    { 0, "set", "FIELD=VALUE", u"設定項目を1つ変更する（例: charsPerLine=80, vertical=1, headerLeft=&f）",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          const auto equals = value.find('=');
          if (equals == std::string_view::npos || equals == 0)
              return usage(cliText::badFieldSetting, value);
          options.fieldSettings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
          return std::nullopt;
      } },
    { 0, "layout-json", "PATH", u"描画せず、レイアウトを JSON で PATH（\"-\" は標準出力）に書く",
      keepBytes<&PrintToolOptions::layoutJson> },
    { 0, "show-settings", "", u"設定の一覧を表示して終了", switchOn<&PrintToolOptions::showSettings> },
    { 0, "details", "", u"印刷の前に詳細情報を表示", switchOn<&PrintToolOptions::details> },
    { 0, "list-fonts", "", u"フォントの一覧（言語、フォント、ピッチ、書字方向、代替フォント）を表示して終了",
      switchOn<&PrintToolOptions::listFonts> },
    { 0, "list-presets", "", u"プリセット名の一覧を表示して終了", switchOn<&PrintToolOptions::listPresets> },
    { 0, "save-preset", "NAME", u"設定をプリセット NAME として保存",
      [](PrintToolOptions& options, std::string_view value) -> std::optional<UsageError> {
          auto name = presetNameToSave(value);
          if (auto* refusal = std::get_if<UsageError>(&name))
              return std::move(*refusal);
          options.savePreset = std::move(std::get<std::u16string>(name));
          return std::nullopt;
      } },
    { 0, "delete-preset", "NAME", u"プリセット NAME を削除", keepName<&PrintToolOptions::deletePreset> },
    { 0, "kinsoku", "", u"禁則処理をする（この実行だけ。--save-options で保存）",
      setLayoutOption<&PrintToolOptions::kinsoku, true> },
    { 0, "no-kinsoku", "", u"禁則処理をしない", setLayoutOption<&PrintToolOptions::kinsoku, false> },
    { 0, "supplementary", "", u"補助文字（U+10000 以上）を印刷する",
      setLayoutOption<&PrintToolOptions::supplementary, true> },
    { 0, "no-supplementary", "", u"補助文字を印刷しない（･ で表す）",
      setLayoutOption<&PrintToolOptions::supplementary, false> },
    { 0, "save-options", "", u"禁則処理と補助文字の設定を設定ファイルの横の vantolex.ini に保存",
      switchOn<&PrintToolOptions::saveOptions> },
    { 0, "version", "", u"", switchOn<&PrintToolOptions::version> },
    { 0, "help", "", u"", switchOn<&PrintToolOptions::help> },
};

// The code getopt_long returns for the option at `index` of the table.
int codeOf(std::size_t index)
{
    const char shortName = optionTable[index].shortName;
    return shortName != 0 ? shortName : firstLongOnlyCode + static_cast<int>(index);
}

// How --help writes an option: "-e, --encoding E", "--paper SIZE".
std::u16string writtenName(const CommandLineOption& row)
{
    std::string name = row.shortName != 0 ? std::string { '-', row.shortName, ',', ' ' } : std::string();
    name += "--";
    name += row.longName;
    if (!row.valueName.empty()) {
        name += ' ';
        name += row.valueName;
    }
    return fromUtf8(name);
}

} // namespace

std::optional<int> parseEncodingName(std::string_view text)
{
    for (int index = 0; index < encodingCount; ++index) {
        if (text == encodingShortNames[static_cast<std::size_t>(index)]
            || fromUtf8(text) == encodingNames[static_cast<std::size_t>(index)] || text == std::to_string(index))
            return index;
    }
    return std::nullopt;
}

std::optional<FileFormat> formatOfPath(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf")
        return FileFormat::Pdf;
    if (extension == ".ps")
        return FileFormat::PostScript;
    if (extension == ".svg")
        return FileFormat::Svg;
    if (extension == ".png")
        return FileFormat::Png;
    return std::nullopt;
}

std::optional<PaperSize> parsePaperSize(std::string_view text)
{
    struct NamedPaper
    {
        std::string_view name;
        PaperSize size;
    };
    static const NamedPaper named[] = {
        { "A4", { 210, 297 } }, { "A3", { 297, 420 } },         { "B4", { 257, 364 } },
        { "B5", { 182, 257 } }, { "Letter", { 215.9, 279.4 } }, { "Legal", { 215.9, 355.6 } },
    };
    for (const auto& paper : named) {
        if (std::equal(text.begin(), text.end(), paper.name.begin(), paper.name.end(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(b); }))
            return paper.size;
    }
    const auto cross = text.find('x');
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto width = parseMillimetres(text.substr(0, cross));
    const auto height = parseMillimetres(text.substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return PaperSize { *width, *height };
}

std::span<const CommandLineOption> commandLineOptions()
{
    return optionTable;
}

std::u16string helpText()
{
    std::u16string text(cliText::helpBeforeOptions);
    for (std::size_t index = 0; index < std::size(optionTable); ++index) {
        // Long names line up whether or not a short name comes before them.
        std::u16string line = optionTable[index].shortName != 0 ? u"  " : u"      ";
        line += writtenName(optionTable[index]);
        std::u16string_view help = optionTable[index].help;
        if (help.empty()) {
            // The options that say nothing of themselves are named together.
            while (index + 1 < std::size(optionTable) && optionTable[index + 1].help.empty())
                line += u", " + writtenName(optionTable[++index]);
            text += line + u'\n';
            continue;
        }
        line.append(line.size() < helpColumn ? helpColumn - line.size() : 2, u' ');
        for (;;) {
            const auto newline = help.find(u'\n');
            line += help.substr(0, newline);
            text += line + u'\n';
            if (newline == std::u16string_view::npos)
                break;
            help.remove_prefix(newline + 1);
            line.assign(helpColumn, u' ');
        }
    }
    text += cliText::helpFieldsHeading;
    for (const PrintSettingsField& field : printSettingsFields()) {
        std::u16string line = u"  " + fromUtf8(field.name);
        line.append(line.size() < helpColumn ? helpColumn - line.size() : 2, u' ');
        std::u16string values;
        if (std::holds_alternative<bool PrintSettings::*>(field.member))
            values = cliText::helpFlagValues;
        else if (std::holds_alternative<std::u16string PrintSettings::*>(field.member))
            values = cliText::helpTextValues;
        else if (field.values.empty())
            values = formatText(cliText::helpFieldRange, { field.lowest, field.highest });
        else
            values = field.values;
        // The meanings line up after the values; a character beyond ASCII is two columns wide on a terminal.
        std::size_t width = 0;
        for (const char16_t unit : values)
            width += unit < 0x80 ? 1 : 2;
        values.append(width < helpValueColumns ? helpValueColumns - width : 2, u' ');
        text += line + values + std::u16string(field.meaning) + u'\n';
    }
    text += cliText::helpAfterOptions;
    return text;
}

std::variant<PrintToolOptions, UsageError> parseCommandLine(std::span<const std::string> arguments)
{
    // The options as getopt_long takes them; ':' first, so that a missing value is told from an unknown option.
    std::string shortOptions = ":";
    std::vector<option> longOptions;
    for (std::size_t index = 0; index < std::size(optionTable); ++index) {
        const CommandLineOption& row = optionTable[index];
        const bool takesValue = !row.valueName.empty();
        if (row.shortName != 0) {
            shortOptions += row.shortName;
            if (takesValue)
                shortOptions += ':';
        }
        longOptions.push_back({ row.longName, takesValue ? required_argument : no_argument, nullptr, codeOf(index) });
    }
    longOptions.push_back({ nullptr, 0, nullptr, 0 });

    // getopt_long permutes its argument vector, so it works on a private copy.
    std::vector<std::string> storage(1, "vantolex-print");
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(storage.size());

    PrintToolOptions options;
    opterr = 0;
    optind = 0; // 0, not 1: glibc then re-initialises its whole state, so the parser can run again
    for (;;) {
        const int code = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), nullptr);
        if (code == -1)
            break;
        const std::string_view value = optarg ? optarg : "";
        const std::string_view given = argv[optind - 1] ? argv[optind - 1] : "";
        if (code == ':')
            return usage(cliText::missingValue, offendingOption(given, optopt));
        std::size_t index = 0;
        while (index < std::size(optionTable) && codeOf(index) != code)
            ++index;
        if (index == std::size(optionTable))
            return usage(cliText::unknownOption, offendingOption(given, optopt));
        if (std::optional<UsageError> refusal = optionTable[index].apply(options, value))
            return std::move(*refusal);
    }
    for (int i = optind; i < argc; ++i)
        options.files.emplace_back(argv[i]);

    if (options.output && options.printer)
        return UsageError { std::u16string(cliText::outputAndPrinter) };
    if (options.output && !options.jobOptions.empty())
        return UsageError { std::u16string(cliText::jobOptionsForFile) };
    if (options.defaults && options.settingsPath)
        return UsageError { std::u16string(cliText::defaultsAndSettings) };
    if (options.defaults && (options.savePreset || options.deletePreset))
        return UsageError { std::u16string(cliText::defaultsAndPresetChange) };
    if (options.files.size() > 1 && std::find(options.files.begin(), options.files.end(), "-") != options.files.end())
        return UsageError { std::u16string(cliText::standardInputAlone) };
    return options;
}

} // namespace vantolex
