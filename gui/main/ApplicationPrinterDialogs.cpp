#include "gui/main/ApplicationPrinterDialogs.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>

#include "app/FileDevices.h"
#include "base/Errors.h"
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
    const auto& chosen = m_chosen.chosenPrinter();
    if (!chosen || m_printer.outputFormat() == QPrinter::PdfFormat)
        return;
    const PrinterSelection shown = selectionFromPrinter(m_printer);
    if (shown.destination != chosen->destination || shown.instance != chosen->instance)
        showSelectionOnPrinter(*chosen, m_printer);
}

std::unique_ptr<Device> ApplicationPrinterDialogs::runPrintDialog(QWidget* owner)
{
    showChosenPrinter();
    QPrintDialog dialog(&m_printer, owner);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;

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
    spooler.defaultMedia = [](PrinterSelection printer) -> std::optional<std::string> {
        printer.options.clear();
        printer.landscape = false;
        const std::optional<PrinterPage> page = printerPage(printer);
        return page ? std::optional(page->media) : std::nullopt;
    };
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
