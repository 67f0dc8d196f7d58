// The two-column list of a settings record ("設定", "内容") that the preset editor and the details dialog show.
#pragma once

#include <vector>

#include "settings/SettingsRows.h"

class QTreeWidget;
class QWidget;

namespace vantolex {

// A report list with the columns "設定" and "内容" of the given widths in pixels.
QTreeWidget* createSettingsRowList(QWidget* parent, int labelWidth, int valueWidth);

// Replaces the rows of `list` with `rows`: the label as the item text, the value in the second column.
void showSettingsRows(QTreeWidget& list, const std::vector<SettingsRow>& rows);

} // namespace vantolex
