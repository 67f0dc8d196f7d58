// The application: the QApplication with the Japanese texts of Qt's own dialogs, the printer chosen while
// the program runs, and start-up: the files of the command line into the main dialog, run modally.
#pragma once

#include <QApplication>
#include <QPrinter>

#include "app/ApplicationPrinter.h"
#include "gui/main/ApplicationPrinterDialogs.h"
#include "gui/main/DialogTranslations.h"
#include "spool/CupsPrinterServices.h"

namespace vantolex {

class CMyApp
{
public:
    // Qt takes its own options (-platform, -style ...) out of `argv`.
    CMyApp(int& argc, char** argv);

    // Shows the main dialog with the files named on the command line; returns the exit status: 0, or 128 + the
    // signal that asked the program to end (the settings are saved all the same).
    int run();

private:
    QApplication m_application;
    DialogTranslations m_translations;
    std::vector<std::string> m_arguments; // after the program's name, as Qt left them
    CupsPrinterServices m_printerServices;
    ApplicationPrinter m_printer;
    QPrinter m_dialogPrinter; // the print dialog's, kept in step with m_printer
    ApplicationPrinterDialogs m_printerDialogs;
};

} // namespace vantolex
