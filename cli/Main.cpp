// vantolex-print: the program.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/ApplicationPrinter.h"
#include "base/Interruption.h"
#include "cli/PrintTool.h"
#include "spool/CupsDestination.h"
#include "spool/CupsPrinterServices.h"
#include "spool/JobOptions.h"

int main(int argc, char** argv)
{
    vantolex::installInterruptHandlers();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    vantolex::CupsPrinterServices printerServices(vantolex::systemClock());
    vantolex::ApplicationPrinter applicationPrinter(printerServices);
    vantolex::PrintToolEnvironment environment {
        std::cin, std::cout, std::cerr, vantolex::systemClock(), ::isatty(STDERR_FILENO) == 1, {}, {}, {}, false
    };
    environment.inIsTerminal = ::isatty(STDIN_FILENO) == 1;
    // The printer the command line chose, with its options, becomes the chosen printer.
    environment.openPrinter = [&](const vantolex::PrinterSelection& printer) {
        applicationPrinter.adoptPrinter(printer);
        return applicationPrinter.getPrinterDC();
    };
    environment.findPrinter = vantolex::destinationWithDefaults;
    environment.printerMedia = vantolex::printerMediaList;
    const int status = vantolex::runPrintTool(arguments, environment);
    std::cout.flush();
    return status;
}
