// The printer of vantolex-print: the file device or spooler destination that the command line names.
#pragma once

#include <memory>

#include "layout/PrinterFactory.h"

namespace vantolex {

class Progress;
struct PrintToolEnvironment;
struct PrintToolOptions;

// Hands out the one device the command line describes, wrapped for --device-caps and progress.
class ToolPrinterChooser : public PrinterChooser
{
public:
    // `missingGlyphs` receives, at the end of each document, the characters that no face had.
    ToolPrinterChooser(const PrintToolOptions& options, PrintToolEnvironment& environment, Progress& progress,
                       int& missingGlyphs)
        : m_options(options)
        , m_environment(environment)
        , m_progress(progress)
        , m_missingGlyphs(missingGlyphs)
    {
    }

    // A file device for -o (and for --layout-json without -P), otherwise the printer the environment opens.
    // Raises a Warning when there is no such printer.
    std::unique_ptr<Device> choosePrinter() override;

private:
    const PrintToolOptions& m_options;
    PrintToolEnvironment& m_environment;
    Progress& m_progress;
    int& m_missingGlyphs;
};

} // namespace vantolex
