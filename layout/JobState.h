// The state of a print job and the text of a spooler failure.
#pragma once

#include <string>

namespace vantolex {

enum class JobState
{
    NotStarted = 0,
    Starting = 1, // the document is started, the first page is being opened
    InPage = 2, // a page is open
    Aborted = 3,
    Finished = 4,
};

// The message for a failed job operation whose result was `result` (<= 0, a SpoolResult value).
std::u16string printerErrorText(int result);

// Throws PrinterError with `detail`, the device's own words for the failure (failureText), or with
// printerErrorText(result) when it has none. A run that a signal is ending throws Interrupted instead: the
// failure is the job being ended.
[[noreturn]] void throwPrinterError(int result, std::u16string detail = {});

} // namespace vantolex
