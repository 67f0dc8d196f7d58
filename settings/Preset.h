// A complete print settings record saved under a name.
#pragma once

#include <string>

#include "settings/PrintSettings.h"

namespace vantolex {

struct Preset
{
    std::u16string name; // never empty; no white space at either end when read from the settings file
    PrintSettings settings;
};

} // namespace vantolex
