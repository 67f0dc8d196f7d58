// vantolex-print: prints text files without a window, for scripts, servers and tests.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "layout/Device.h"
#include "spool/CupsDestination.h"
#include "spool/PrinterSelection.h"

namespace vantolex {

class Clock;

// Exit statuses.
enum PrintToolStatus : int
{
    PrintedStatus = 0,
    WarningStatus = 1, // a condition the user can put right; the message is on standard error
    ErrorStatus = 2, // an Error or PrinterError
    UsageStatus = 64, // the command line is wrong
};

// What the tool needs of the process around it; tests hand in their own streams and printers.
struct PrintToolEnvironment
{
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    const Clock& clock; // the clock of "&d" and "&t", and the date of a PDF output
    bool errIsTerminal = false; // show progress on standard error
    // A device drawing on `printer`; null when the printer cannot be used.
    std::function<std::unique_ptr<Device>(const PrinterSelection& printer)> openPrinter;
    // The spooler destination `destination` with instance `instance` (empty: the destination itself), or the
    // default destination when `destination` is empty, with the user's default options for it; none when there is
    // no such destination.
    std::function<std::optional<PrinterSelection>(const std::string& destination, const std::string& instance)>
        findPrinter;
    // The paper sizes `printer` offers.
    std::function<std::vector<PrinterMedia>(const PrinterSelection& printer)> printerMedia;
    // With no file given, standard input is read only when it is not a terminal.
    bool inIsTerminal = false;
};

// Runs the tool with `arguments` (without the program name) and returns the exit status.
int runPrintTool(std::span<const std::string> arguments, PrintToolEnvironment& environment);

} // namespace vantolex
