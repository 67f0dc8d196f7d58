// The command line of vantolex-print, parsed into options.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/FileDevices.h"
#include "layout/Device.h"
#include "layout/SheetFormat.h"

namespace vantolex {

struct PaperSize
{
    double widthMillimetres = 210;
    double heightMillimetres = 297;

    bool operator==(const PaperSize&) const = default;
};

struct PrintToolOptions
{
    std::vector<std::string> files; // paths as given (bytes); "-" alone is standard input
    int encoding = 0; // EncodingIndex, for every file
    bool encodingGiven = false; // -e was given
    std::optional<std::string> output; // file output; the format follows the extension
    FileFormat outputFormat = FileFormat::Pdf; // of `output`
    std::optional<std::string> printer; // CUPS destination: NAME or NAME/INSTANCE
    // Job options of a printer (-o NAME=VALUE, --job-option, -n as "copies"), each name once, in the order
    // first given; they override the user's defaults for the destination.
    std::vector<std::pair<std::string, std::string>> jobOptions;
    PaperSize paper; // for file output; on a printer the job's media when paperName is given
    std::string paperName; // --paper as given; empty when it is not
    int dpi = 600; // for file output
    int borderMillimetres = 5; // unprintable border of a file device, each side
    std::optional<DeviceCaps> deviceCaps; // overrides the device's own capabilities
    std::optional<std::string> settingsPath;
    bool defaults = false;
    std::optional<std::u16string> preset;
    std::vector<std::pair<std::string, std::string>> fieldSettings; // --set FIELD=VALUE, in order
    std::optional<std::string> layoutJson; // path, or "-" for standard output
    bool showSettings = false;
    bool details = false;
    bool listFonts = false;
    bool listPresets = false;
    std::optional<std::u16string> savePreset; // without white space at either end
    std::optional<std::u16string> deletePreset;
    std::optional<bool> kinsoku; // --kinsoku, --no-kinsoku: over the options file, for this run
    std::optional<bool> supplementary; // --supplementary, --no-supplementary
    bool saveOptions = false; // write the layout options into the options file
    bool version = false;
    bool help = false;
};

struct UsageError
{
    std::u16string message;
};

// One option of the command line: how it is written, as the parser takes it and --help lists it, and what it
// does.
struct CommandLineOption
{
    char shortName = 0; // 0: none
    const char* longName = nullptr; // without "--"
    std::string_view valueName; // as --help names the value; empty: the option takes no value
    // What --help says of the option; lines after the first are set under the first. Empty: the option shares
    // one line with the options next to it that say nothing either (--version, --help).
    std::u16string_view help;
    // Applies the value (empty for an option without one) to the options, or refuses it. An option given
    // again applies again: the last value holds, except where the options collect the values (--set).
    std::optional<UsageError> (*apply)(PrintToolOptions& options, std::string_view value) = nullptr;
};

// The options, in the order --help lists them.
std::span<const CommandLineOption> commandLineOptions();

// The text of --help: how the tool is called, a line or more for each option, files and exit statuses.
std::u16string helpText();

// Parses the arguments after the program name. Options and files may be mixed; "--" ends the options. Names
// (presets) are taken as UTF-8 and held as UTF-16; paths stay the bytes they are. Refuses, among others,
// options that exclude each other, an output whose format the extension does not tell, a preset name to save
// that is blank or holds a character the settings file cannot store, "-" among other files, and job options
// with a file output. The value of -o (--output) is job options when it begins with NAME= (a name of letters,
// digits, "-" and "_"), as lp's -o takes them, and otherwise the output's path (a path of that form can be
// written "./NAME=...").
std::variant<PrintToolOptions, UsageError> parseCommandLine(std::span<const std::string> arguments);

// The encoding named by `text`: a short name (sjis, utf16le, utf16be, utf8, jis, euc), a display name as
// the encoding list shows it, or the EncodingIndex in decimal.
std::optional<int> parseEncodingName(std::string_view text);

// The output format that the extension of `path` names (.pdf .ps .svg .png, in any case).
std::optional<FileFormat> formatOfPath(const std::string& path);

std::optional<PaperSize> parsePaperSize(std::string_view text);

} // namespace vantolex
