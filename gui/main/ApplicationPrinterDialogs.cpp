#include "gui/main/ApplicationPrinterDialogs.h"

#include <QFile>
#include <QPrinter>

#include <algorithm>

#include "app/FileDevices.h"
#include "base/Errors.h"
#include "gui/main/JobPrintDialog.h"
#include "gui/main/PageSetupDialog.h"
#include "gui/main/PrinterSync.h"
#include "layout/LayoutMessages.h"
#include "spool/CupsDestination.h"

namespace vantolex {

namespace {

[[noreturn]] void printerUnavailable()
{
    throw Warning(std::u16string(layoutText::printerUnavailable));
}

// The sheet of a PDF file as the print dialog set it up: its paper and orientation, the unprintable border
// that a printer would have.
SheetFormat sheetOf(const QPrinter& printer)
{
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    SheetFormat sheet;
    if (paper.width() > 0 && paper.height() > 0) {
        sheet.widthMillimetres = paper.width();
        sheet.heightMillimetres = paper.height();
    }
    return sheet;
}

} // namespace

ApplicationPrinterDialogs::ApplicationPrinterDialogs(ApplicationPrinter& chosen, PrinterServices& services,
                                                     QPrinter& printer, const Clock& clock)
    : m_chosen(chosen)
    , m_services(services)
    , m_printer(printer)
    , m_clock(clock)
{
}

void ApplicationPrinterDialogs::showChosenPrinter()
{
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        return;
    // Before any choice the dialog opens on the default destination.
    std::optional<PrinterSelection> shown = m_chosen.chosenPrinter();
    if (!shown)
        shown = m_services.defaultPrinter();
    if (!shown)
        return;
    // The paper the spooler's rule gives, not the one Qt would guess.
    const bool paperChosen = std::any_of(shown->options.begin(), shown->options.end(),
                                         [](const auto& option) { return option.first == "media"; });
    if (!paperChosen)
        shown->options.emplace_back("media", printerPaper(*shown));
    const PrinterSelection current = selectionFromPrinter(m_printer);
    if (current.destination != shown->destination || current.instance != shown->instance
        || current.landscape != shown->landscape || !m_showedChosen)
        showSelectionOnPrinter(*shown, m_printer);
    m_showedChosen = true;
}

std::unique_ptr<Device> ApplicationPrinterDialogs::runPrintDialog(QWidget* owner)
{
    showChosenPrinter();
    // The dialog changes the QPrinter as the user picks printers; a cancelled dialog leaves it as it was.
    const PrinterSelection before = selectionFromPrinter(m_printer);
    const QPrinter::OutputFormat formatBefore = m_printer.outputFormat();
    const QString fileBefore = m_printer.outputFileName();
    const QPageLayout layoutBefore = m_printer.pageLayout();
    JobPrintDialog dialog(&m_printer, owner);
    if (dialog.exec() != QDialog::Accepted) {
        if (formatBefore == QPrinter::PdfFormat) {
            m_printer.setOutputFormat(QPrinter::PdfFormat);
            m_printer.setOutputFileName(fileBefore);
        } else {
            m_printer.setOutputFormat(QPrinter::NativeFormat);
            showSelectionOnPrinter(before, m_printer);
        }
        m_printer.setPageLayout(layoutBefore);
        return nullptr;
    }

    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        // Qt's "print to file" (also its only entry when there is no printer): our own PDF, never QPrinter's.
        const QString path = m_printer.outputFileName();
        if (path.isEmpty())
            printerUnavailable();
        return createFileDevice(FileFormat::Pdf, QFile::encodeName(path).toStdString(), sheetOf(m_printer), m_clock);
    }
    PrinterSelection selection = selectionFromPrinter(m_printer);
    if (selection.destination.empty())
        printerUnavailable();
    m_chosen.adoptPrinter(selection);
    std::unique_ptr<Device> device = m_services.openPrinter(selection);
    if (!device)
        printerUnavailable();
    return device;
}

bool ApplicationPrinterDialogs::runPageSetup(QWidget* owner, PageSetupMargins& margins)
{
    std::optional<PrinterSelection> current = m_chosen.chosenPrinter();
    if (!current)
        current = m_services.defaultPrinter();
    PageSetupSpooler spooler;
    spooler.mediaList = [](const PrinterSelection& printer) { return printerMediaList(printer); };
    spooler.defaultMedia = [](const PrinterSelection& printer) { return std::optional(printerPaper(printer)); };
    PageSetupDialog dialog(printerDestinations(), current, margins, spooler, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (std::optional<PrinterSelection> printer = dialog.printer()) {
        m_chosen.adoptPrinter(*printer);
        showSelectionOnPrinter(*printer, m_printer);
    }
    margins = dialog.margins();
    return true;
}

std::unique_ptr<Device> ApplicationPrinterDialogs::printerDevice()
{
    std::unique_ptr<Device> device = m_chosen.getPrinterDC();
    showChosenPrinter(); // the default printer may have become the chosen one
    return device;
}

} // namespace vantolex
