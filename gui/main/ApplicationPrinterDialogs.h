// The print and page-setup dialogs on the process's chosen printer, with the QPrinter of the print dialog
// kept in step with it.
#pragma once

#include "app/ApplicationPrinter.h"
#include "gui/main/PrinterDialogs.h"
#include "layout/Clock.h"

class QPrinter;

namespace vantolex {

class ApplicationPrinterDialogs : public PrinterDialogs
{
public:
    // All four must outlive this object; `clock` dates the PDF files that the print dialog writes.
    ApplicationPrinterDialogs(ApplicationPrinter& chosen, PrinterServices& services, QPrinter& printer,
                              const Clock& clock);

    // The print dialog (JobPrintDialog: no page ranges; copies, collation, "print to file" and every other
    // choice carried to the job). A cancelled dialog leaves the chosen printer and the QPrinter as they were.
    // A confirmed printer becomes the chosen printer and gives a printer device; a confirmed file gives
    // our own PDF device for that file (the chosen printer stays). Warning layoutText::printerUnavailable
    // when the dialog was confirmed without a printer or file, or the printer cannot be opened.
    std::unique_ptr<Device> runPrintDialog(QWidget* owner) override;
    // Our page-setup dialog on the spooler's destinations; without any destination the chosen printer stays.
    bool runPageSetup(QWidget* owner, PageSetupMargins& margins) override;
    std::unique_ptr<Device> printerDevice() override;

private:
    // The chosen printer (before any choice the default destination), on the paper printerPaper gives it,
    // onto the QPrinter, unless the QPrinter already shows it or prints to a file.
    void showChosenPrinter();

    ApplicationPrinter& m_chosen;
    PrinterServices& m_services;
    QPrinter& m_printer;
    const Clock& m_clock;
    bool m_showedChosen = false; // whether the QPrinter has shown a printer of ours yet
};

} // namespace vantolex
