// Job options as lp takes them: written out on a command line, and the user's defaults for a destination.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "spool/PrinterSelection.h"

namespace vantolex {

using JobOptionList = std::vector<std::pair<std::string, std::string>>;

// The options of `text` as lp's -o reads them: "NAME=VALUE" separated by white space, values quoted with ' or "
// or escaped with \, "NAME" alone for NAME=true and "noNAME" for NAME=false; a name given twice keeps its last
// value. In the order given.
JobOptionList parseJobOptions(std::string_view text);

// Sets `name` to `value` in `options`: in its place when it is there, otherwise at the end.
void setJobOption(JobOptionList& options, std::string_view name, std::string_view value);

// The destination `destination` with instance `instance` (empty: the destination itself), or the default
// destination when `destination` is empty (the user's choice in lpoptions, else the system's), together with
// its options as lp applies them to a job: the user's defaults (~/.cups/lpoptions, then the lpoptions file of
// the spooler's configuration folder) over the destination's own defaults. What describes the printer rather
// than a job (its state, make, URI, ...) is left out. None when the spooler knows no such destination.
std::optional<PrinterSelection> destinationWithDefaults(const std::string& destination, const std::string& instance);

} // namespace vantolex
