// The command line of vantolex-print, parsed into options.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "layout/device/Device.h"

namespace vantolex {

struct PaperSize
{
    double widthMillimetres = 210;
    double heightMillimetres = 297;

    bool operator==(const PaperSize&) const = default;
};

struct PrintToolOptions
{
    std::vector<std::string> files; // "-" is standard input
    int encoding = 0; // EncodingIndex, for every file
    std::optional<std::string> output; // file output; the format follows the extension
    std::optional<std::string> printer; // CUPS destination
    PaperSize paper; // for file output
    int dpi = 600; // for file output
    int borderMillimetres = 5; // unprintable border of a file device, each side
    std::optional<DeviceCaps> deviceCaps; // overrides the device's own capabilities
    std::optional<std::string> settingsPath;
    bool defaults = false;
    std::optional<std::string> preset;
    std::vector<std::pair<std::string, std::string>> fieldSettings; // --set FIELD=VALUE, in order
    std::optional<std::string> layoutJson; // path, or "-" for standard output
    bool showSettings = false;
    bool details = false;
    bool listFonts = false;
    bool listPresets = false;
    std::optional<std::string> savePreset;
    std::optional<std::string> deletePreset;
    bool version = false;
    bool help = false;
};

struct UsageError
{
    std::u16string message;
};

// Parses the arguments after the program name. Options and files may be mixed; "--" ends the options.
std::variant<PrintToolOptions, UsageError> parseCommandLine(std::span<const std::string> arguments);

// The encoding named by `text`: a short name (sjis, utf16le, utf16be, utf8, jis, euc), a display name as
// the encoding list shows it, or the index 0 to 5.
std::optional<int> parseEncodingName(std::string_view text);

std::optional<PaperSize> parsePaperSize(std::string_view text);

} // namespace vantolex
