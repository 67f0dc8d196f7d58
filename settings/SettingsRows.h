// A PrintSettings record as a two-column list of label and description, for the preset editor.
#pragma once

#include <string>
#include <vector>

#include "settings/PrintSettings.h"

namespace vantolex {

struct SettingsRow
{
    std::u16string label; // first column, "設定"
    std::u16string value; // second column, "内容"

    bool operator==(const SettingsRow&) const = default;
};

std::vector<SettingsRow> settingsRows(const PrintSettings& settings);

// The rows from the wrapping to the column spacing, shared with the details list: wrap, font, range, margins,
// line spacing, column spacing.
void appendLayoutRows(std::vector<SettingsRow>& rows, const PrintSettings& settings);

// The closing rows shared with the details list: the six templates when useHeaderFooter is set, otherwise
// the page-number and file-name flags.
void appendHeaderFooterRows(std::vector<SettingsRow>& rows, const PrintSettings& settings);

// The rows of the layout options (settings.layoutOptions), which the details list and the command-line
// tool's settings list show after the record's own.
void appendLayoutOptionRows(std::vector<SettingsRow>& rows, const PrintSettings& settings);

// "縦書き" or "横書き".
std::u16string writingDirectionLabel(const PrintSettings& settings);

} // namespace vantolex
