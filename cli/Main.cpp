// vantolex-print: the program.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/ApplicationPrinter.h"
#include "base/Interruption.h"
#include "cli/PrintTool.h"
#include "spool/CupsPrinterServices.h"

int main(int argc, char** argv)
{
    vantolex::installInterruptHandlers();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    vantolex::CupsPrinterServices printerServices(vantolex::systemClock());
    vantolex::ApplicationPrinter applicationPrinter(printerServices);
    vantolex::PrintToolEnvironment environment {
        std::cin, std::cout, std::cerr, vantolex::systemClock(), ::isatty(STDERR_FILENO) == 1, {}
    };
    // -P names the printer to choose; without it the chosen printer falls back to the default destination.
    environment.openPrinter = [&](const std::optional<std::string>& destination) {
        if (destination)
            applicationPrinter.adoptPrinter({ *destination, {}, {} });
        return applicationPrinter.getPrinterDC();
    };
    const int status = vantolex::runPrintTool(arguments, environment);
    std::cout.flush();
    return status;
}
