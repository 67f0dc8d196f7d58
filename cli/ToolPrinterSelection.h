// The printer of vantolex-print as lp would choose it: the destination, its user defaults and the job options
// of the command line.
#pragma once

#include <optional>
#include <variant>

#include "cli/CommandLine.h"
#include "spool/PrinterSelection.h"

namespace vantolex {

struct PrintToolEnvironment;

// The destination -P or -d names (NAME or NAME/INSTANCE), or the default destination, with its options as the
// environment finds them (the user's defaults), under the job options of the command line and, for --paper,
// the destination's paper of that size as "media". The options "landscape" and "orientation-requested" turn
// the sheet (PrinterSelection::landscape) instead of going to the job, since the pages are laid out on the turned
// sheet already. None when there is no such destination; a UsageError when --paper names a size the destination
// does not have.
std::variant<std::monostate, PrinterSelection, UsageError> selectToolPrinter(const PrintToolOptions& options,
                                                                             const PrintToolEnvironment& environment);

} // namespace vantolex
