// What every laid-out document must satisfy, whatever its settings: the checks that each golden layout case
// passes besides the comparison with its expectation.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "settings/PrintSettings.h"

namespace vantolex::test {

// The failures of `document` (a document as writeLayoutJson writes it, laid out with `settings` from the text
// units `placedText`: the units of the source's text items in order, without line ends and breaks); empty
// when it holds:
// - the pages are numbered 1, 2, ... without a gap, as many as layout.totalPages;
// - every line stands on the grid, in a place of its own, in the order of the places, and its cells (with a
//   fixed-pitch font) fit into the column; the columns and lines stay inside the text area, and the text
//   area inside the page;
// - every character of the text is placed exactly once, in order (at most once when lines are cut or the
//   print range leaves some out): tabs and spaces aside, a unit that does not print stands as U+FF65 with a
//   fixed-pitch font.
std::vector<std::string> layoutInvariantFailures(const nlohmann::json& document, const PrintSettings& settings,
                                                 const std::u16string& placedText);

} // namespace vantolex::test
