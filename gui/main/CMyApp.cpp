#include "gui/main/CMyApp.h"

#include "gui/kit/AccessibleButtons.h"
#include "gui/kit/TerminationRequests.h"
#include "gui/main/CommandLineFiles.h"
#include "gui/main/MainDialog.h"
#include "gui/main/ProgramIcon.h"

namespace vantolex {

CMyApp::CMyApp(int& argc, char** argv)
    : m_application(argc, argv)
    , m_translations(ownTranslationFolders()) // the standard dialogs and buttons in Japanese
    , m_arguments(argv + 1, argv + argc)
    , m_printerServices(systemClock())
    , m_printer(m_printerServices)
    , m_dialogPrinter(QPrinter::HighResolution)
    , m_printerDialogs(m_printer, m_printerServices, m_dialogPrinter, systemClock())
{
    installClickingCheckButtons();
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("vantolex"));
}

int CMyApp::run()
{
    const std::vector<std::string> files = commandLineFiles(m_arguments);
    const TerminationRequests termination;
    MainDialog dialog(m_printerDialogs, systemClock());
    for (const std::string& file : files)
        dialog.addFile(file);
    QObject::connect(&termination, &TerminationRequests::terminationRequested, &dialog, &MainDialog::endForTermination);
    dialog.exec();
    const int signal = termination.receivedSignal();
    return signal != 0 ? 128 + signal : 0;
}

} // namespace vantolex
