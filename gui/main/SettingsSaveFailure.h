// What the dialog program says when the settings file cannot be saved at the end of the program.
#pragma once

#include <string>

namespace vantolex {

class SettingsStore;

// The box text for the failed last save of `store`: why (the system error that the save met, else a character
// that the file cannot hold) and where.
std::u16string settingsSaveFailureText(const SettingsStore& store);

} // namespace vantolex
