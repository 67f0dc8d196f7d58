// vantolex-print: prints text files without a window, for scripts, servers and tests.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "layout/Device.h"

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
    // The device of the spooler destination named, or of the default destination when none is named; null
    // when there is no such printer.
    std::function<std::unique_ptr<Device>(const std::optional<std::string>& destination)> openPrinter;
};

// Runs the tool with `arguments` (without the program name) and returns the exit status.
int runPrintTool(std::span<const std::string> arguments, PrintToolEnvironment& environment);

} // namespace vantolex
