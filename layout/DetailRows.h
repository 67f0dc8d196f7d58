// The rows of the details list shown before printing: the settings together with what only the computed
// layout knows (font size in points, cells per line, lines per column) and a sample of the text.
#pragma once

#include <string_view>
#include <vector>

#include "layout/PageLayout.h"
#include "settings/PrintSettings.h"
#include "settings/SettingsRows.h"

namespace vantolex {

// `layout` is the layout of the output the run will print with; `sampleText` the reader's sample at the
// first line to print.
std::vector<SettingsRow> detailRows(const PrintSettings& settings, const PageLayout& layout,
                                    std::u16string_view sampleText);

} // namespace vantolex
