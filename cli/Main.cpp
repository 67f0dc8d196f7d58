// vantolex-print: the program.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/PrintTool.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    vantolex::PrintToolEnvironment environment{std::cin, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, {}};
    const int status = vantolex::runPrintTool(arguments, environment);
    std::cout.flush();
    return status;
}
