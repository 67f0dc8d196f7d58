// What the dialog program says when the settings file cannot be saved at the end of the program.
#pragma once

#include <string>

namespace vantolex {

class SettingsStore;
enum class SaveResult;

// The box text for the last save of `store`, which ended with `result` (not Saved): why (the lock that could
// not be taken, a file that is kept because it cannot be read, the system error that the save met, else a
// character that the file cannot hold) and where.
std::u16string settingsSaveFailureText(const SettingsStore& store, SaveResult result);

} // namespace vantolex
