#include "settings/PrintSettings.h"

#include <algorithm>
#include <iterator>

#include "base/TextFormat.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

void PrintSettings::resetToDefaults()
{
    std::optional<FontDescription> keptDescriptor = std::move(fontDescriptor);
    const LayoutOptions keptOptions = layoutOptions;
    *this = PrintSettings();
    fontDescriptor = std::move(keptDescriptor);
    layoutOptions = keptOptions;
}

bool validate(std::u16string& message, const PrintSettings& settings)
{
    namespace text = settingsText;
    std::u16string range;
    std::u16string internal;
    auto outside = [](int value, int low, int high) { return value < low || value > high; };
    auto withBound = [](std::u16string_view item) { return formatText(item, { maxMarginMillimetres }); };

    if (outside(settings.charsPerLine, 1, 999))
        range += text::itemCharsPerLine;
    if (outside(settings.linesPerColumn, 1, 999))
        range += text::itemLinesPerColumn;
    if (outside(settings.fontPoints, 1, 999))
        range += text::itemFontPoints;
    if (outside(settings.columns, 1, 9))
        range += text::itemColumns;
    if (outside(settings.tabWidth, 1, 99))
        range += text::itemTabWidth;
    if (outside(settings.fontSizeBasis, FontSizeBasis::CharsPerLine, FontSizeBasis::FontPoints))
        internal += text::itemFontSizeBasis;
    if (settings.startLine < 0)
        range += text::itemStartLine;
    if (outside(settings.endCondition, EndCondition::ToEnd, EndCondition::PageCount))
        internal += text::itemEndCondition;
    switch (settings.endCondition) {
    case EndCondition::LineCount:
        if (settings.endValue < 1)
            range += text::itemLineCount;
        break;
    case EndCondition::ToLine:
        // In 64 bits, so that a start line of INT_MAX does not overflow.
        if (static_cast<long long>(settings.endValue) < static_cast<long long>(settings.startLine) + 1)
            range += text::itemEndLine;
        break;
    case EndCondition::PageCount:
        if (settings.endValue < 1)
            range += text::itemPageCount;
        break;
    default:
        break;
    }
    if (std::find(std::begin(lineNumberIntervals), std::end(lineNumberIntervals), settings.lineNumberInterval)
        == std::end(lineNumberIntervals))
        range += text::itemLineNumberInterval;
    if (outside(settings.lineNumberDigits, 1, 9))
        range += text::itemLineNumberDigits;
    if (settings.language.empty() || settings.fontName.empty())
        range += text::itemFontName;
    if (outside(settings.marginTop, 0, maxMarginMillimetres))
        range += withBound(text::itemMarginTop);
    if (outside(settings.marginBottom, 0, maxMarginMillimetres))
        range += withBound(text::itemMarginBottom);
    if (outside(settings.marginLeft, 0, maxMarginMillimetres))
        range += withBound(text::itemMarginLeft);
    if (outside(settings.marginRight, 0, maxMarginMillimetres))
        range += withBound(text::itemMarginRight);
    if (outside(settings.lineSpacing, 0, 4))
        range += text::itemLineSpacing;
    if (outside(settings.columnSpacing, 0, maxMarginMillimetres))
        range += withBound(text::itemColumnSpacing);
    if (settings.separatorLines < 0)
        range += text::itemSeparatorLines;
    if (outside(settings.separatorMethod, SeparatorMethod::BlankLines, SeparatorMethod::PageBreak))
        internal += text::itemSeparatorMethod;

    if (!internal.empty())
        range += u'\n' + internal;
    if (range.empty()) {
        message.clear();
        return true;
    }
    message = std::u16string(text::invalidSettings) + range;
    return false;
}

bool isValid(const PrintSettings& settings)
{
    std::u16string discarded;
    return validate(discarded, settings);
}

} // namespace vantolex
