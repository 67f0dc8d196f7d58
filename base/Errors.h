// Failures shown to the user and the two control-flow signals of the output engine.
//
// Every failure that a user is to see travels as one of these objects, carrying its finished Japanese text,
// from the place that detects it to the one place that reports it (the print run, the preview's page
// drawing, or main() of the command-line tool). They are thrown by value and caught by reference, so a
// handler for Error also receives PrinterError and a handler for Exception receives all four text-carrying
// classes. They have no virtual operations and record nothing besides their text.
#pragma once

#include <string>
#include <utility>

namespace vantolex {

// Base of everything shown to the user; never thrown by itself.
struct Exception
{
    std::u16string message; // the complete text shown in the message box, possibly empty

protected:
    explicit Exception(std::u16string text)
        : message(std::move(text))
    {
    }
};

// A condition the user can put right: unusable settings, missing input, a cancelled job.
struct Warning : Exception
{
    explicit Warning(std::u16string text)
        : Exception(std::move(text))
    {
    }
};

// A failure of the environment: reading a file, decoding its bytes, opening the clipboard.
struct Error : Exception
{
    explicit Error(std::u16string text)
        : Exception(std::move(text))
    {
    }
};

// The printer or spooler refused a page or the document while printing.
struct PrinterError : Error
{
    explicit PrinterError(std::u16string text)
        : Error(std::move(text))
    {
    }
};

// The next character does not fit on the current line and wrapping is off. Never leaves the output engine.
struct NotifyEndLine
{
};

// The end of the print range has been reached: the normal end of a run.
struct NotifyEndOutput
{
};

} // namespace vantolex
