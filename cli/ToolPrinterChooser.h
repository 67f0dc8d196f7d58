// The printer of vantolex-print: the file device or spooler destination that the command line names.
#pragma once

#include <memory>
#include <optional>

#include "layout/PrinterFactory.h"
#include "spool/PrinterSelection.h"

namespace vantolex {

class Progress;
struct PrintToolEnvironment;
struct PrintToolOptions;

// Hands out the one device the command line describes, wrapped for --device-caps and progress.
class ToolPrinterChooser : public PrinterChooser
{
public:
    // `printer` is the spooler's printer to use when the command line asks for no file (selectToolPrinter); none
    // when there is no such printer. `missingGlyphs` receives, at the end of each document, the characters that
    // no face had.
    ToolPrinterChooser(const PrintToolOptions& options, PrintToolEnvironment& environment,
                       std::optional<PrinterSelection> printer, Progress& progress, int& missingGlyphs)
        : m_options(options)
        , m_environment(environment)
        , m_printer(std::move(printer))
        , m_progress(progress)
        , m_missingGlyphs(missingGlyphs)
    {
    }

    // A file device for -o (and for --layout-json without -P), otherwise the printer, as the environment opens it.
    // Raises a Warning when there is no such printer.
    std::unique_ptr<Device> choosePrinter() override;

private:
    const PrintToolOptions& m_options;
    PrintToolEnvironment& m_environment;
    std::optional<PrinterSelection> m_printer;
    Progress& m_progress;
    int& m_missingGlyphs;
};

} // namespace vantolex
