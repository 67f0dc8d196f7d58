#include "filter/JobOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "filter/FilterMessages.h"
#include "settings/PrintSettingsFields.h"

namespace vantolex {

namespace {

// The order in which the options are taken.
enum class Stage
{
    Preset,
    Standard,
    Field,
    Encoding,
    Pitch, // cpi and lpi, on the finished record
};
constexpr Stage stages[] = { Stage::Preset, Stage::Standard, Stage::Field, Stage::Encoding, Stage::Pitch };

constexpr std::string_view fieldPrefix = "vantolex-";

struct Mapping
{
    const SystemSettings& system;
    const DeviceCaps& caps;
    FilterJob job;
    std::optional<double> cellsPerInch;
    std::optional<double> linesPerInch;
};

using Failure = std::optional<std::u16string>;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// IPP booleans and what people type for them; an option given without a value is on.
std::optional<bool> parseSwitch(std::string_view value)
{
    for (std::string_view on : { "", "true", "yes", "on", "1" }) {
        if (equalIgnoringCase(value, on))
            return true;
    }
    for (std::string_view off : { "false", "no", "off", "0" }) {
        if (equalIgnoringCase(value, off))
            return false;
    }
    return std::nullopt;
}

// A decimal number >= 0 (> 0 when `positive`), as the text options take them ("18", "10.5").
std::optional<double> parseAmount(std::string_view value, bool positive)
{
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() || !std::isfinite(number)
        || number < 0 || (positive && number == 0) || number > 10000)
        return std::nullopt;
    return number;
}

std::u16string badValue(std::string_view name, std::string_view value)
{
    const std::u16string option = fromUtf8(std::string(name) + "=" + std::string(value));
    return formatText(filterText::badOptionValue, { std::u16string_view(option) });
}

// page-left and the others: points from the edge, taken as whole millimetres (rounded) from the edge of the
// printable area, at most the record's limit.
template <int PrintSettings::*margin>
Failure applyMargin(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<double> points = parseAmount(value, false);
    if (!points)
        return badValue(name, value);
    const long millimetres = std::lround(*points * 25.4 / 72.0);
    mapping.job.settings.*margin = static_cast<int>(std::min<long>(millimetres, maxMarginMillimetres));
    mapping.job.settings.useMargins = true;
    return std::nullopt;
}

Failure applyColumns(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<int> columns = parseInteger(value);
    if (!columns)
        return badValue(name, value);
    mapping.job.settings.columns = *columns; // the range is validated with the record
    return std::nullopt;
}

Failure applyWrap(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<bool> wrap = parseSwitch(value);
    if (!wrap)
        return badValue(name, value);
    mapping.job.settings.wrapLines = *wrap;
    return std::nullopt;
}

// vantolex-kinsoku and vantolex-supplementary: the layout options beyond the settings file.
template <bool LayoutOptions::*option>
Failure applyLayoutOption(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<bool> on = parseSwitch(value);
    if (!on)
        return badValue(name, value);
    mapping.job.settings.layoutOptions.*option = *on;
    return std::nullopt;
}

// A header with the job's title in the middle, the date and time on the left and the page number on the right.
Failure applyPrettyPrint(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<bool> pretty = parseSwitch(value);
    if (!pretty)
        return badValue(name, value);
    if (*pretty) {
        PrintSettings& settings = mapping.job.settings;
        settings.useHeaderFooter = true;
        settings.headerLeft = u"&d &t";
        settings.headerCenter = u"&w";
        settings.headerRight = u"&p";
        settings.footerLeft.clear();
        settings.footerCenter.clear();
        settings.footerRight.clear();
    }
    return std::nullopt;
}

template <std::optional<double> Mapping::*pitch>
Failure recordPitch(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<double> perInch = parseAmount(value, true);
    if (!perInch)
        return badValue(name, value);
    mapping.*pitch = perInch;
    return std::nullopt;
}

Failure applyPreset(Mapping& mapping, std::string_view, std::string_view value)
{
    const std::u16string name = fromUtf8(value);
    for (const Preset& preset : mapping.system.presets) {
        if (preset.name == name) {
            // The layout options are not part of a preset: they stay those of the system.
            const LayoutOptions layoutOptions = mapping.job.settings.layoutOptions;
            mapping.job.settings = preset.settings;
            mapping.job.settings.layoutOptions = layoutOptions;
            return std::nullopt;
        }
    }
    return formatText(filterText::presetNotFound, { std::u16string_view(name) });
}

Failure applyEncoding(Mapping& mapping, std::string_view name, std::string_view value)
{
    for (std::size_t index = 0; index < encodingShortNames.size(); ++index) {
        if (equalIgnoringCase(value, encodingShortNames[index])) {
            mapping.job.encoding = static_cast<EncodingIndex>(index);
            return std::nullopt;
        }
    }
    return badValue(name, value);
}

// vantolex-FIELD=VALUE, FIELD a field of the record in any case.
Failure applyField(Mapping& mapping, std::string_view name, std::string_view value)
{
    const std::optional<std::string_view> field = fieldNameIgnoringCase(name.substr(fieldPrefix.size()));
    if (!field) {
        const std::u16string option = fromUtf8(name);
        return formatText(filterText::unknownField, { std::u16string_view(option) });
    }
    if (setField(mapping.job.settings, *field, value) != SetFieldResult::Done)
        return badValue(name, value);
    return std::nullopt;
}

// One job option the filter takes: its name (any case), when it is taken and what it does.
struct OptionRow
{
    std::string_view name;
    Stage stage;
    Failure (*apply)(Mapping& mapping, std::string_view name, std::string_view value);
};

const OptionRow optionRows[] = {
    { "vantolex-preset", Stage::Preset, applyPreset },
    { "columns", Stage::Standard, applyColumns },
    { "page-left", Stage::Standard, applyMargin<&PrintSettings::marginLeft> },
    { "page-right", Stage::Standard, applyMargin<&PrintSettings::marginRight> },
    { "page-top", Stage::Standard, applyMargin<&PrintSettings::marginTop> },
    { "page-bottom", Stage::Standard, applyMargin<&PrintSettings::marginBottom> },
    { "wrap", Stage::Standard, applyWrap },
    { "prettyprint", Stage::Standard, applyPrettyPrint },
    { "cpi", Stage::Pitch, recordPitch<&Mapping::cellsPerInch> },
    { "lpi", Stage::Pitch, recordPitch<&Mapping::linesPerInch> },
    { "vantolex-encoding", Stage::Encoding, applyEncoding },
    { "vantolex-kinsoku", Stage::Field, applyLayoutOption<&LayoutOptions::kinsoku> },
    { "vantolex-supplementary", Stage::Field, applyLayoutOption<&LayoutOptions::supplementary> },
};

// Options of every job that the spooler sets or that the filters after this one act on (the page size is
// read with the paper); none of them is reported as ignored.
constexpr std::string_view chainOptionPrefixes[] = { "job-", "date-time-", "time-at-", "document-", "number-of-" };
constexpr std::string_view chainOptions[] = {
    "copies",
    "media",
    "PageSize",
    "PageRegion",
    "InputSlot",
    "MediaType",
    "Resolution",
    "ColorModel",
    "Duplex",
    "sides",
    "number-up",
    "number-up-layout",
    "page-border",
    "page-ranges",
    "page-set",
    "orientation-requested",
    "landscape",
    "fit-to-page",
    "mirror",
    "outputorder",
    "output-order",
    "Collate",
    "multiple-document-handling",
    "finishings",
    "print-quality",
    "print-color-mode",
    "output-bin",
    "print-scaling",
    "printer-resolution",
};

bool isChainOption(std::string_view name)
{
    return std::any_of(std::begin(chainOptionPrefixes), std::end(chainOptionPrefixes),
                       [&](std::string_view prefix) { return startsWithIgnoringCase(name, prefix); })
        || std::any_of(std::begin(chainOptions), std::end(chainOptions),
                       [&](std::string_view chain) { return equalIgnoringCase(name, chain); });
}

// The row of `name`: its own, the field row for any other vantolex- option, or none.
std::optional<OptionRow> rowOf(std::string_view name)
{
    for (const OptionRow& row : optionRows) {
        if (equalIgnoringCase(name, row.name))
            return row;
    }
    if (startsWithIgnoringCase(name, fieldPrefix))
        return OptionRow { name, Stage::Field, applyField };
    return std::nullopt;
}

int millimetresToPixels(int millimetres, int dpi)
{
    return static_cast<int>(std::int64_t { millimetres } * dpi * 10 / 254);
}

bool hasHeader(const PrintSettings& settings)
{
    if (!settings.useHeaderFooter)
        return settings.showFileName;
    return !settings.headerLeft.empty() || !settings.headerCenter.empty() || !settings.headerRight.empty();
}

bool hasFooter(const PrintSettings& settings)
{
    if (!settings.useHeaderFooter)
        return settings.showPageNumber;
    return !settings.footerLeft.empty() || !settings.footerCenter.empty() || !settings.footerRight.empty();
}

// cpi and lpi as characters per line and lines per column of the text area that the record leaves on the
// page: half-width cells per inch along a column, lines per inch across the columns. With both, the font
// size follows from cpi and lpi is ignored.
void applyPitch(Mapping& mapping)
{
    PrintSettings& settings = mapping.job.settings;
    const DeviceCaps& caps = mapping.caps;
    int width = caps.width;
    int height = caps.height;
    if (settings.useMargins) {
        width -= millimetresToPixels(settings.marginLeft, caps.dpiX)
            + millimetresToPixels(settings.marginRight, caps.dpiX);
        height -= millimetresToPixels(settings.marginTop, caps.dpiY)
            + millimetresToPixels(settings.marginBottom, caps.dpiY);
    }
    const int columns = std::max(1, settings.columns);
    // Along a column and across the lines, in pixels and pixels per inch.
    const int along = settings.vertical ? height : width;
    const int alongDpi = settings.vertical ? caps.dpiY : caps.dpiX;
    const int across = settings.vertical ? width : height;
    const int acrossDpi = settings.vertical ? caps.dpiX : caps.dpiY;
    if (mapping.cellsPerInch) {
        const int gap = millimetresToPixels(settings.columnSpacing, alongDpi);
        const int columnLength = (along + gap) / columns - gap;
        // A column holds one cell more than a line, so that a full-width character in the last cell fits.
        const auto cells = static_cast<int>(columnLength * *mapping.cellsPerInch / std::max(1, alongDpi)) - 1;
        settings.charsPerLine = std::clamp(cells, 1, 999);
        settings.fontSizeBasis = FontSizeBasis::CharsPerLine;
        if (mapping.linesPerInch)
            mapping.job.ignored.emplace_back("lpi");
        return;
    }
    if (mapping.linesPerInch) {
        int lines = static_cast<int>(across * *mapping.linesPerInch / std::max(1, acrossDpi));
        if (!settings.vertical) // the header and footer lines take lines of the page
            lines -= (hasHeader(settings) ? 1 : 0) + (hasFooter(settings) ? 1 : 0);
        settings.linesPerColumn = std::clamp(lines, 1, 999);
        settings.fontSizeBasis = FontSizeBasis::LinesPerColumn;
    }
}

} // namespace

std::variant<FilterJob, JobOptionFailure> mapJobOptions(const SystemSettings& system,
                                                        std::span<const JobOption> options, const DeviceCaps& caps)
{
    Mapping mapping { system, caps, FilterJob { system.current, 3, {} }, std::nullopt, std::nullopt };
    for (const auto& [name, value] : options) {
        if (!rowOf(name) && !isChainOption(name))
            mapping.job.ignored.push_back(name);
    }
    for (const Stage stage : stages) {
        for (const auto& [name, value] : options) {
            const std::optional<OptionRow> row = rowOf(name);
            if (!row || row->stage != stage)
                continue;
            if (Failure failure = row->apply(mapping, name, value))
                return JobOptionFailure { std::move(*failure) };
        }
    }
    applyPitch(mapping);
    return std::move(mapping.job);
}

} // namespace vantolex
