// vantolex-texttopdf: the program the spooler runs.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "base/Interruption.h"
#include "filter/TextToPdf.h"
#include "layout/Clock.h"

namespace {

// The system's settings file: the one the build names, or the file that this variable names when it is set
// (for a test spooler, through its SetEnv).
constexpr const char* systemSettingsVariable = "VANTOLEX_SYSTEM_SETTINGS";

} // namespace

int main(int argc, char** argv)
{
    // A cancelled job ends at once (SIGTERM from the spooler); nothing of ours is left to end in order.
    vantolex::installInterruptHandlers();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    const char* settings = std::getenv(systemSettingsVariable);
    const char* ppd = std::getenv("PPD");
    vantolex::FilterEnvironment environment { STDIN_FILENO,
                                              std::cout,
                                              std::cerr,
                                              vantolex::systemClock(),
                                              settings ? settings : VANTOLEX_SYSTEM_SETTINGS_FILE,
                                              {} };
    if (ppd && *ppd)
        environment.ppd = ppd;
    return vantolex::runTextToPdf(arguments, environment);
}
