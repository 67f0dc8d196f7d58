#include "cli/ToolPrinterSelection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "cli/PrintTool.h"
#include "spool/JobOptions.h"

namespace vantolex {

namespace {

// Paper sizes this close (hundredths of a millimetre, each side) are the same paper: "Letter" is 215.9 mm.
constexpr int paperTolerance = 50;

int toHundredths(double millimetres)
{
    return static_cast<int>(std::lround(millimetres * 100));
}

bool sameSize(const PrinterMedia& media, int width, int length)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= paperTolerance; };
    return (near(media.width, width) && near(media.length, length))
        || (near(media.width, length) && near(media.length, width));
}

bool isOrientation(const std::string& name)
{
    return name == "landscape" || name == "orientation-requested";
}

// Whether the last orientation option of `options` turns the sheet ("orientation-requested" 4 and 5 are
// landscape and reverse landscape); none when there is none.
std::optional<bool> sheetTurnedBy(const JobOptionList& options)
{
    std::optional<bool> turned;
    for (const auto& [name, value] : options) {
        if (name == "landscape")
            turned = value != "false" && value != "no" && value != "off";
        else if (name == "orientation-requested")
            turned = value == "4" || value == "5";
    }
    return turned;
}

} // namespace

std::variant<std::monostate, PrinterSelection, UsageError> selectToolPrinter(const PrintToolOptions& options,
                                                                             const PrintToolEnvironment& environment)
{
    std::string destination = options.printer.value_or("");
    std::string instance;
    if (const auto slash = destination.find('/'); slash != std::string::npos) {
        instance = destination.substr(slash + 1);
        destination.resize(slash);
    }
    const std::optional<PrinterSelection> found
        = environment.findPrinter ? environment.findPrinter(destination, instance) : std::nullopt;
    if (!found)
        return std::monostate {};

    PrinterSelection printer { found->destination, found->instance, options.jobOptions, false };
    if (!options.paperName.empty()) {
        const int width = toHundredths(options.paper.widthMillimetres);
        const int length = toHundredths(options.paper.heightMillimetres);
        const std::vector<PrinterMedia> media
            = environment.printerMedia ? environment.printerMedia(printer) : std::vector<PrinterMedia> {};
        const auto match = std::find_if(media.begin(), media.end(),
                                        [&](const PrinterMedia& m) { return sameSize(m, width, length); });
        if (match == media.end()) {
            std::u16string sizes;
            for (const PrinterMedia& m : media)
                sizes += (sizes.empty() ? u"" : u", ") + fromUtf8(m.displayName);
            const std::u16string paper = fromUtf8(options.paperName);
            const std::u16string name = fromUtf8(options.printer.value_or(printer.destination));
            return UsageError { formatText(
                cliText::paperNotOnPrinter,
                { std::u16string_view(paper), std::u16string_view(name), std::u16string_view(sizes) }) };
        }
        setJobOption(printer.options, "media", match->name);
    }
    // The user's defaults for what the command line leaves open, as lp adds them.
    for (const auto& [name, value] : found->options) {
        const bool given = std::any_of(printer.options.begin(), printer.options.end(),
                                       [&](const auto& option) { return option.first == name; });
        if (!given)
            printer.options.emplace_back(name, value);
    }
    // The command line's orientation, else the user's default one; either turns the sheet, not the job's pages.
    printer.landscape = sheetTurnedBy(options.jobOptions).value_or(sheetTurnedBy(found->options).value_or(false));
    std::erase_if(printer.options, [](const auto& option) { return isOrientation(option.first); });
    return printer;
}

} // namespace vantolex
