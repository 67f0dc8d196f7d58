// vantolex-texttopdf: the CUPS filter that prints text/plain on our grid.
//
// Called by the spooler as filter(7) describes: `job user title copies options [file]`. It reads the file,
// or standard input without one, and writes one copy of the document as our PDF to standard output (the
// spooler's pdftopdf makes the copies). The settings are the system's settings file (read, never written)
// and the job's options (JobOptions.h); the paper is the job's media, else the queue's default from its PPD
// file (the PPD environment variable), else A4. Messages go to standard error as the spooler reads them:
// "ERROR: ", "INFO: ", "DEBUG: " lines.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace vantolex {

class Clock;

// What the filter needs of the process around it; tests hand in their own streams and files.
struct FilterEnvironment
{
    int input; // the descriptor of standard input, read when no file is named
    std::ostream& out;
    std::ostream& err;
    const Clock& clock;
    std::filesystem::path systemSettings; // the system's settings file
    std::optional<std::filesystem::path> ppd; // the queue's PPD file, if it has one
};

// Exit statuses: 0 printed, 1 the job failed (the reason on an ERROR line).
inline constexpr int filterPrinted = 0;
inline constexpr int filterFailed = 1;

// Runs the filter with `arguments` (without the program name) and returns the exit status.
int runTextToPdf(std::span<const std::string> arguments, FilterEnvironment& environment);

} // namespace vantolex
