// What the dialog program says when the settings file cannot be saved at the end of the program.
#pragma once

#include <string>

namespace vantolex {

class SettingsStore;

// The box text for a failed save of `store`: why (a character that the file cannot hold, else the system
// error `errorNumber` that the save met) and where.
std::u16string settingsSaveFailureText(const SettingsStore& store, int errorNumber);

} // namespace vantolex
