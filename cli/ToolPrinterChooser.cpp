#include "cli/ToolPrinterChooser.h"

#include "app/FileDevices.h"
#include "base/Errors.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "cli/CommandLine.h"
#include "cli/PrintTool.h"
#include "cli/Progress.h"
#include "cli/ToolDevice.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

namespace {

SheetFormat sheetOf(const PrintToolOptions& options)
{
    SheetFormat sheet;
    sheet.widthMillimetres = options.paper.widthMillimetres;
    sheet.heightMillimetres = options.paper.heightMillimetres;
    sheet.dpiX = sheet.dpiY = options.dpi;
    sheet.borderMillimetres = options.borderMillimetres;
    return sheet;
}

} // namespace

std::unique_ptr<Device> ToolPrinterChooser::choosePrinter()
{
    std::unique_ptr<Device> device;
    if (m_options.output || (m_options.layoutJson && !m_options.printer)) {
        const auto format = m_options.output ? m_options.outputFormat : FileFormat::Pdf;
        device = createFileDevice(format, m_options.output.value_or("layout.pdf"), sheetOf(m_options),
                                  m_environment.clock);
    } else {
        device = m_printer && m_environment.openPrinter ? m_environment.openPrinter(*m_printer) : nullptr;
        if (!device && m_options.printer)
            throw Warning(
                formatText(cliText::printerUnavailable, { std::u16string_view(fromUtf8(*m_options.printer)) }));
        if (!device)
            throw Warning(std::u16string(layoutText::printerUnavailable));
    }
    return std::make_unique<ToolDevice>(std::move(device), m_options.deviceCaps, m_progress.callback(),
                                        [this](int missing) { m_missingGlyphs = missing; });
}

} // namespace vantolex
