#include "settings/SettingsRows.h"

#include "base/TextFormat.h"
#include "settings/SettingsDescriptions.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

namespace text = settingsText;

std::u16string writingDirectionLabel(const PrintSettings& settings)
{
    return std::u16string(settings.vertical ? text::labelVertical : text::labelHorizontal);
}

void appendHeaderFooterRows(std::vector<SettingsRow>& rows, const PrintSettings& settings)
{
    if (settings.useHeaderFooter) {
        const std::u16string* templates[] = { &settings.headerLeft, &settings.headerCenter, &settings.headerRight,
                                              &settings.footerLeft, &settings.footerCenter, &settings.footerRight };
        for (int i = 0; i < 6; ++i)
            rows.push_back({ std::u16string(text::labelHeaderFooter[i]), *templates[i] });
    } else {
        rows.push_back({ std::u16string(text::labelPageNumber), describeFlag(settings.showPageNumber) });
        rows.push_back({ std::u16string(text::labelFileName), describeFlag(settings.showFileName) });
    }
}

std::vector<SettingsRow> settingsRows(const PrintSettings& settings)
{
    auto label = [](std::u16string_view text) { return std::u16string(text); };
    std::vector<SettingsRow> rows = {
        { writingDirectionLabel(settings), {} },
        { label(text::labelText), describeSize(settings) },
        { label(text::labelColumns), formatText(text::columnsPerPage, { settings.columns }) },
        { label(text::labelTab), formatText(text::tabStops, { settings.tabWidth }) },
        { label(text::labelWrap), describeFlag(settings.wrapLines) },
        { label(text::labelFont), describeFont(settings) },
        { label(text::labelRange), describeRange(settings) },
        { label(text::labelMargins), describeMargins(settings) },
        { label(text::labelLineSpacing), describeLineSpacing(settings) },
        { label(text::labelColumnSpacing), formatText(text::millimetres, { settings.columnSpacing }) },
        { label(text::labelShowInfo), describeFlag(settings.showInfo) },
        { label(text::labelLineNumbers), describeLineNumbers(settings) },
        { label(text::labelSeparator), describeFlag(settings.columnSeparator) },
    };
    appendHeaderFooterRows(rows, settings);
    return rows;
}

} // namespace vantolex
