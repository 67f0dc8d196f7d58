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
        const auto templates = settings.templates();
        for (std::size_t i = 0; i < templates.size(); ++i)
            rows.push_back({ std::u16string(text::labelHeaderFooter[i]), *templates[i] });
    } else {
        rows.push_back({ std::u16string(text::labelPageNumber), describeFlag(settings.showPageNumber) });
        rows.push_back({ std::u16string(text::labelFileName), describeFlag(settings.showFileName) });
    }
}

void appendLayoutRows(std::vector<SettingsRow>& rows, const PrintSettings& settings)
{
    auto label = [](std::u16string_view text) { return std::u16string(text); };
    rows.push_back({ label(text::labelWrap), describeFlag(settings.wrapLines) });
    rows.push_back({ label(text::labelFont), describeFont(settings) });
    rows.push_back({ label(text::labelRange), describeRange(settings) });
    rows.push_back({ label(text::labelMargins), describeMargins(settings) });
    rows.push_back({ label(text::labelLineSpacing), describeLineSpacing(settings) });
    rows.push_back({ label(text::labelColumnSpacing), formatText(text::millimetres, { settings.columnSpacing }) });
}

void appendLayoutOptionRows(std::vector<SettingsRow>& rows, const PrintSettings& settings)
{
    rows.push_back({ std::u16string(text::labelKinsoku), describeFlag(settings.layoutOptions.kinsoku) });
    rows.push_back({ std::u16string(text::labelSupplementary), describeFlag(settings.layoutOptions.supplementary) });
}

std::vector<SettingsRow> settingsRows(const PrintSettings& settings)
{
    auto label = [](std::u16string_view text) { return std::u16string(text); };
    std::vector<SettingsRow> rows = {
        { writingDirectionLabel(settings), {} },
        { label(text::labelText), describeSize(settings) },
        { label(text::labelColumns), formatText(text::columnsPerPage, { settings.columns }) },
        { label(text::labelTab), formatText(text::tabStops, { settings.tabWidth }) },
    };
    appendLayoutRows(rows, settings);
    rows.push_back({ label(text::labelShowInfo), describeFlag(settings.showInfo) });
    rows.push_back({ label(text::labelLineNumbers), describeLineNumbers(settings) });
    rows.push_back({ label(text::labelSeparator), describeFlag(settings.columnSeparator) });
    appendHeaderFooterRows(rows, settings);
    return rows;
}

} // namespace vantolex
