// A printer as the application chooses it: a spooler destination and the job options picked for it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vantolex {

struct PrinterSelection
{
    std::string destination; // the spooler's destination name (UTF-8), never empty for a chosen printer
    std::string instance; // the destination's instance, empty for the destination itself
    // Job options as the spooler names them ("copies", "media", "sides", ...), in the order chosen; the
    // destination's own defaults apply to every option not listed.
    std::vector<std::pair<std::string, std::string>> options;
    // The sheet turned a quarter: pages wider than high, the top of a page along the left edge of the
    // sheet as it leaves the printer.
    bool landscape = false;

    bool operator==(const PrinterSelection&) const = default;
};

} // namespace vantolex
