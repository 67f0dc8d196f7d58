#include "settings/SettingsDescriptions.h"

#include <iterator>

#include "base/TextFormat.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

namespace text = settingsText;

std::u16string describeSize(const PrintSettings& settings)
{
    switch (settings.fontSizeBasis) {
    case FontSizeBasis::CharsPerLine:
        return formatText(text::sizeCharsPerLine, { settings.charsPerLine });
    case FontSizeBasis::LinesPerColumn:
        return formatText(text::sizeLinesPerColumn, { settings.linesPerColumn });
    default:
        return formatText(text::sizePoints, { settings.fontPoints });
    }
}

std::u16string describeFont(const PrintSettings& settings)
{
    return formatText(text::font, { std::u16string_view(settings.fontName), std::u16string_view(settings.language) });
}

std::u16string describeRange(const PrintSettings& settings)
{
    // The start line is shown counted from 1: in 64 bits, as the last start line an int holds has no int after it.
    std::u16string out(text::rangeFromBeginning);
    if (settings.startLine != 0) {
        out = text::rangeFromLine;
        out.replace(out.find(u"%d"), 2, decimalText(static_cast<long long>(settings.startLine) + 1));
    }
    switch (settings.endCondition) {
    case EndCondition::ToEnd:
        out += text::rangeToEnd;
        break;
    case EndCondition::LineCount:
        out += formatText(text::rangeLineCount, { settings.endValue });
        break;
    case EndCondition::ToLine:
        out += formatText(text::rangeToLine, { settings.endValue });
        break;
    case EndCondition::PageCount:
        out += formatText(text::rangePageCount, { settings.endValue });
        break;
    default:
        break; // an invalid record; validation refuses it before any run
    }
    return out;
}

std::u16string describeMargins(const PrintSettings& settings)
{
    if (!settings.useMargins)
        return std::u16string(text::none);
    return formatText(text::margins,
                      { settings.marginTop, settings.marginBottom, settings.marginLeft, settings.marginRight });
}

std::u16string describeLineSpacing(const PrintSettings& settings)
{
    if (settings.lineSpacing < 0 || settings.lineSpacing >= static_cast<int>(std::size(text::lineSpacings)))
        return {}; // an invalid record
    return std::u16string(text::lineSpacings[settings.lineSpacing]);
}

std::u16string describeLineNumbers(const PrintSettings& settings)
{
    switch (settings.lineNumberInterval) {
    case 0:
        return std::u16string(text::none);
    case 1:
        return formatText(text::lineNumbersEveryLine, { settings.lineNumberDigits });
    default:
        return formatText(text::lineNumbersInterval, { settings.lineNumberInterval, settings.lineNumberDigits });
    }
}

std::u16string describeFlag(bool flag)
{
    return std::u16string(flag ? text::present : text::none);
}

} // namespace vantolex
