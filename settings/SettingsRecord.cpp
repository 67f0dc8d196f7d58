#include "settings/SettingsRecord.h"

#include <array>
#include <cassert>
#include <optional>
#include <string>

#include "base/Utf16.h"
#include "settings/SettingsLineParsing.h"

namespace vantolex {

namespace {

template <std::size_t count> std::optional<std::array<int, count>> numbersOf(const std::u16string& line)
{
    std::array<int, count> numbers {};
    if (!parseNumbers(line, numbers))
        return std::nullopt;
    return numbers;
}

bool flag(int number)
{
    return number != 0;
}

// Line 1 of every version: the grid, with wrapLines when the format stores it.
bool readGridLine(const std::u16string& line, PrintSettings& settings, bool withWrap)
{
    std::array<int, 7> numbers {};
    if (!parseNumbers(line, std::span<int>(numbers).first(withWrap ? 7 : 6)))
        return false;
    settings.charsPerLine = numbers[0];
    settings.linesPerColumn = numbers[1];
    settings.fontPoints = numbers[2];
    settings.columns = numbers[3];
    settings.tabWidth = numbers[4];
    settings.fontSizeBasis = numbers[5];
    if (withWrap)
        settings.wrapLines = flag(numbers[6]);
    return true;
}

bool readRangeLine(const std::u16string& line, PrintSettings& settings)
{
    const auto numbers = numbersOf<3>(line);
    if (!numbers)
        return false;
    settings.startLine = (*numbers)[0];
    settings.endValue = (*numbers)[1];
    settings.endCondition = (*numbers)[2];
    return true;
}

// Line 3: six numbers from version 1 on; five before, and the legacy file holds a line-number flag in
// place of the interval.
bool readDisplayLine(const std::u16string& line, PrintSettings& settings, SettingsRecordFormat format)
{
    const bool withFileName = format != SettingsRecordFormat::Version0 && format != SettingsRecordFormat::Legacy;
    std::array<int, 6> numbers {};
    if (!parseNumbers(line, std::span<int>(numbers).first(withFileName ? 6 : 5)))
        return false;
    settings.showInfo = flag(numbers[0]);
    if (format == SettingsRecordFormat::Legacy)
        settings.lineNumberInterval = flag(numbers[1]) ? 1 : 0;
    else
        settings.lineNumberInterval = numbers[1];
    settings.lineNumberDigits = numbers[2];
    settings.columnSeparator = flag(numbers[3]);
    settings.showPageNumber = flag(numbers[4]);
    if (withFileName)
        settings.showFileName = flag(numbers[5]);
    return true;
}

void readFontLines(const std::u16string& languageLine, const std::u16string& fontLine, PrintSettings& settings)
{
    settings.language = trimWhiteSpace(languageLine);
    settings.fontName = trimWhiteSpace(fontLine);
}

// The margins: five numbers up to version 1 and in the legacy file, seven with the spacings from version 2 on.
bool readMarginLine(const std::u16string& line, PrintSettings& settings, bool withSpacing)
{
    std::array<int, 7> numbers {};
    if (!parseNumbers(line, std::span<int>(numbers).first(withSpacing ? 7 : 5)))
        return false;
    settings.useMargins = flag(numbers[0]);
    settings.marginTop = numbers[1];
    settings.marginBottom = numbers[2];
    settings.marginLeft = numbers[3];
    settings.marginRight = numbers[4];
    if (withSpacing) {
        settings.lineSpacing = numbers[5];
        settings.columnSpacing = numbers[6];
    }
    return true;
}

// Version 2 stores only `vertical` on line 6, versions 3 to 5 also `proportional`.
bool readWritingLine(const std::u16string& line, PrintSettings& settings, bool withProportional)
{
    std::array<int, 2> numbers {};
    if (!parseNumbers(line, std::span<int>(numbers).first(withProportional ? 2 : 1)))
        return false;
    settings.vertical = flag(numbers[0]);
    if (withProportional)
        settings.proportional = flag(numbers[1]);
    return true;
}

bool readSeparatorLine(const std::u16string& line, PrintSettings& settings)
{
    const auto numbers = numbersOf<2>(line);
    if (!numbers)
        return false;
    settings.separatorLines = (*numbers)[0];
    settings.separatorMethod = (*numbers)[1];
    return true;
}

std::u16string templateOf(const std::u16string& line)
{
    return isBlank(line) ? std::u16string() : line;
}

bool readHeaderFooterLines(std::span<const std::u16string* const> lines, PrintSettings& settings)
{
    const auto useHeaderFooter = numbersOf<1>(*lines[0]);
    if (!useHeaderFooter)
        return false;
    settings.useHeaderFooter = flag((*useHeaderFooter)[0]);
    settings.headerLeft = templateOf(*lines[1]);
    settings.headerCenter = templateOf(*lines[2]);
    settings.headerRight = templateOf(*lines[3]);
    settings.footerLeft = templateOf(*lines[4]);
    settings.footerCenter = templateOf(*lines[5]);
    settings.footerRight = templateOf(*lines[6]);
    return true;
}

int versionOf(SettingsRecordFormat format)
{
    // The legacy record lacks everything that version 0 lacks.
    return format == SettingsRecordFormat::Legacy ? -1 : static_cast<int>(format);
}

// The values of the fields that `format` does not store.
void fillMissingFields(SettingsRecordFormat format, PrintSettings& settings)
{
    const int version = versionOf(format);
    if (version < 0)
        settings.wrapLines = true;
    if (version < 1)
        settings.showFileName = false;
    if (version < 2) {
        settings.vertical = false;
        settings.lineSpacing = 1;
        settings.columnSpacing = 8;
    }
    if (version < 3)
        settings.proportional = false;
    if (version < 4) {
        settings.separatorLines = 0;
        settings.separatorMethod = SeparatorMethod::ColumnBreak;
    }
    if (version < 5) {
        settings.useHeaderFooter = false;
        for (std::u16string* text : { &settings.headerLeft, &settings.headerCenter, &settings.headerRight,
                                      &settings.footerLeft, &settings.footerCenter, &settings.footerRight })
            text->clear();
    }
}

bool parseRecord(SettingsRecordFormat format, std::span<const std::u16string* const> lines, PrintSettings& settings)
{
    const int version = versionOf(format);
    fillMissingFields(format, settings);
    if (!readGridLine(*lines[0], settings, format != SettingsRecordFormat::Legacy))
        return false;
    if (!readRangeLine(*lines[1], settings) || !readDisplayLine(*lines[2], settings, format))
        return false;
    readFontLines(*lines[3], *lines[4], settings);
    if (version <= 1)
        return readMarginLine(*lines[5], settings, false);
    if (!readWritingLine(*lines[5], settings, version >= 3) || !readMarginLine(*lines[6], settings, true))
        return false;
    if (version >= 4 && !readSeparatorLine(*lines[7], settings))
        return false;
    if (version >= 5 && !readHeaderFooterLines(lines.subspan(8, 7), settings))
        return false;
    return true;
}

std::u16string numbersLine(std::initializer_list<int> numbers)
{
    std::u16string line;
    for (int number : numbers) {
        if (!line.empty())
            line += u',';
        for (char digit : std::to_string(number))
            line += static_cast<char16_t>(digit);
    }
    return line;
}

} // namespace

int recordLineCount(SettingsRecordFormat format)
{
    switch (format) {
    case SettingsRecordFormat::Legacy:
    case SettingsRecordFormat::Version0:
    case SettingsRecordFormat::Version1:
        return 6;
    case SettingsRecordFormat::Version2:
    case SettingsRecordFormat::Version3:
        return 7;
    case SettingsRecordFormat::Version4:
        return 8;
    case SettingsRecordFormat::Version5:
        return 15;
    }
    assert(false && "unknown settings record format");
    return 0;
}

bool readSettingsRecord(SettingsRecordFormat format, SettingsLines& lines, PrintSettings& settings)
{
    std::array<const std::u16string*, 15> recordLines {};
    const int count = recordLineCount(format);
    for (int i = 0; i < count; ++i) {
        recordLines[static_cast<std::size_t>(i)] = lines.next();
        if (!recordLines[static_cast<std::size_t>(i)])
            return false;
    }
    if (!parseRecord(format, std::span(recordLines).first(static_cast<std::size_t>(count)), settings))
        return false;
    return isValid(settings);
}

void writeSettingsRecord(const PrintSettings& s, std::vector<std::u16string>& lines)
{
    lines.push_back(numbersLine(
        { s.charsPerLine, s.linesPerColumn, s.fontPoints, s.columns, s.tabWidth, s.fontSizeBasis, s.wrapLines }));
    lines.push_back(numbersLine({ s.startLine, s.endValue, s.endCondition }));
    lines.push_back(numbersLine(
        { s.showInfo, s.lineNumberInterval, s.lineNumberDigits, s.columnSeparator, s.showPageNumber, s.showFileName }));
    lines.push_back(s.language);
    lines.push_back(s.fontName);
    lines.push_back(numbersLine({ s.vertical, s.proportional }));
    lines.push_back(numbersLine(
        { s.useMargins, s.marginTop, s.marginBottom, s.marginLeft, s.marginRight, s.lineSpacing, s.columnSpacing }));
    lines.push_back(numbersLine({ s.separatorLines, s.separatorMethod }));
    lines.push_back(numbersLine({ s.useHeaderFooter }));
    for (const std::u16string* text :
         { &s.headerLeft, &s.headerCenter, &s.headerRight, &s.footerLeft, &s.footerCenter, &s.footerRight })
        lines.push_back(*text);
}

} // namespace vantolex
