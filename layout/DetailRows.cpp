#include "layout/DetailRows.h"

#include <string>

#include "base/TextFormat.h"
#include "settings/SettingsDescriptions.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

namespace text = settingsText;

std::vector<SettingsRow> detailRows(const PrintSettings& settings, const PageLayout& layout,
                                    std::u16string_view sampleText)
{
    auto label = [](std::u16string_view labelText) { return std::u16string(labelText); };
    const std::u16string fontSize = settings.fontSizeBasis == FontSizeBasis::FontPoints
        ? formatText(text::sizePoints, { settings.fontPoints })
        : formatText(text::sizePointsEquivalent, { layout.pointSize });
    std::vector<SettingsRow> rows = {
        { writingDirectionLabel(settings), {} },
        { label(text::labelSample), std::u16string(sampleText) },
        { label(text::labelFont), fontSize },
        { label(text::labelCharCount), formatText(text::sizeCharsPerLine, { layout.cellsPerLine }) },
        { label(text::labelLineCount), formatText(text::sizeLinesPerColumn, { layout.columnLines }) },
        { label(text::labelColumnCount), formatText(text::columnsPerPage, { settings.columns }) },
        { label(text::labelTabWidth), formatText(text::tabStops, { settings.tabWidth }) },
    };
    appendLayoutRows(rows, settings);
    rows.push_back({ label(text::labelLineNumbers), describeLineNumbers(settings) });
    rows.push_back({ label(text::labelSeparator), describeFlag(settings.columnSeparator) });
    appendHeaderFooterRows(rows, settings);
    appendLayoutOptionRows(rows, settings);
    return rows;
}

} // namespace vantolex
