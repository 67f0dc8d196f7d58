#include "cli/CommandLine.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "input/EncodingIndex.h"
#include "settings/SettingsFileBytes.h"

namespace vantolex {

namespace {

enum LongOnly : int
{
    PaperOption = 256,
    DpiOption,
    BorderOption,
    DeviceCapsOption,
    SettingsOption,
    DefaultsOption,
    PresetOption,
    SetOption,
    LayoutJsonOption,
    ShowSettingsOption,
    DetailsOption,
    ListFontsOption,
    ListPresetsOption,
    SavePresetOption,
    DeletePresetOption,
    VersionOption,
    HelpOption,
};

const option longOptions[] = {
    { "encoding", required_argument, nullptr, 'e' },
    { "output", required_argument, nullptr, 'o' },
    { "printer", required_argument, nullptr, 'P' },
    { "paper", required_argument, nullptr, PaperOption },
    { "dpi", required_argument, nullptr, DpiOption },
    { "border", required_argument, nullptr, BorderOption },
    { "device-caps", required_argument, nullptr, DeviceCapsOption },
    { "settings", required_argument, nullptr, SettingsOption },
    { "defaults", no_argument, nullptr, DefaultsOption },
    { "preset", required_argument, nullptr, PresetOption },
    { "set", required_argument, nullptr, SetOption },
    { "layout-json", required_argument, nullptr, LayoutJsonOption },
    { "show-settings", no_argument, nullptr, ShowSettingsOption },
    { "details", no_argument, nullptr, DetailsOption },
    { "list-fonts", no_argument, nullptr, ListFontsOption },
    { "list-presets", no_argument, nullptr, ListPresetsOption },
    { "save-preset", required_argument, nullptr, SavePresetOption },
    { "delete-preset", required_argument, nullptr, DeletePresetOption },
    { "version", no_argument, nullptr, VersionOption },
    { "help", no_argument, nullptr, HelpOption },
    { nullptr, 0, nullptr, 0 },
};

// The short names of the encodings, by EncodingIndex.
constexpr std::array<std::string_view, encodingCount> encodingShortNames
    = { "sjis", "utf16le", "utf16be", "utf8", "jis", "euc" };

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

std::variant<PrintToolOptions, UsageError> parseCommandLine(std::span<const std::string> arguments)
{
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
        int longIndex = -1;
        const int code = getopt_long(argc, argv.data(), ":e:o:P:", longOptions, &longIndex);
        if (code == -1)
            break;
        const std::string_view value = optarg ? optarg : "";
        const std::string_view given = argv[optind - 1] ? argv[optind - 1] : "";
        switch (code) {
        case 'e':
            if (const auto index = parseEncodingName(value))
                options.encoding = *index;
            else
                return usage(cliText::badEncoding, value);
            break;
        case 'o':
            options.output = std::string(value);
            if (const auto format = formatOfPath(*options.output))
                options.outputFormat = *format;
            else
                return usage(cliText::unknownFormat, value);
            break;
        case 'P':
            options.printer = std::string(value);
            break;
        case PaperOption:
            if (const auto paper = parsePaperSize(value))
                options.paper = *paper;
            else
                return usage(cliText::badPaper, value);
            break;
        case DpiOption:
        case BorderOption: {
            const auto number = parseInteger(value);
            const bool isDpi = code == DpiOption;
            if (!number || (isDpi ? *number < 1 || *number > 9600 : *number < 0 || *number > 100))
                return usage(cliText::badNumber, isDpi ? "--dpi" : "--border", value);
            (isDpi ? options.dpi : options.borderMillimetres) = *number;
            break;
        }
        case DeviceCapsOption:
            if (const auto caps = parseDeviceCaps(value))
                options.deviceCaps = *caps;
            else
                return usage(cliText::badDeviceCaps, value);
            break;
        case SettingsOption:
            options.settingsPath = std::string(value);
            break;
        case DefaultsOption:
            options.defaults = true;
            break;
        case PresetOption:
            options.preset = fromUtf8(value);
            break;
        case SetOption: {
            const auto equals = value.find('=');
            if (equals == std::string_view::npos || equals == 0)
                return usage(cliText::badFieldSetting, value);
            options.fieldSettings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
            break;
        }
        case LayoutJsonOption:
            options.layoutJson = std::string(value);
            break;
        case ShowSettingsOption:
            options.showSettings = true;
            break;
        case DetailsOption:
            options.details = true;
            break;
        case ListFontsOption:
            options.listFonts = true;
            break;
        case ListPresetsOption:
            options.listPresets = true;
            break;
        case SavePresetOption: {
            auto name = presetNameToSave(value);
            if (auto* refusal = std::get_if<UsageError>(&name))
                return std::move(*refusal);
            options.savePreset = std::move(std::get<std::u16string>(name));
            break;
        }
        case DeletePresetOption:
            options.deletePreset = fromUtf8(value);
            break;
        case VersionOption:
            options.version = true;
            break;
        case HelpOption:
            options.help = true;
            break;
        case ':':
            return usage(cliText::missingValue, offendingOption(given, optopt));
        default:
            return usage(cliText::unknownOption, offendingOption(given, optopt));
        }
    }
    for (int i = optind; i < argc; ++i)
        options.files.emplace_back(argv[i]);

    if (options.output && options.printer)
        return UsageError { std::u16string(cliText::outputAndPrinter) };
    if (options.defaults && options.settingsPath)
        return UsageError { std::u16string(cliText::defaultsAndSettings) };
    if (options.defaults && (options.savePreset || options.deletePreset))
        return UsageError { std::u16string(cliText::defaultsAndPresetChange) };
    if (options.files.size() > 1 && std::find(options.files.begin(), options.files.end(), "-") != options.files.end())
        return UsageError { std::u16string(cliText::standardInputAlone) };
    return options;
}

} // namespace vantolex
