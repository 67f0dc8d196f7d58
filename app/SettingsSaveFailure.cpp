#include "app/SettingsSaveFailure.h"

#include "app/AppMessages.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "settings/SettingsFileBytes.h"
#include "settings/SettingsFileFormat.h"
#include "settings/SettingsStore.h"

namespace vantolex {

std::u16string settingsSaveFailureText(const SettingsStore& store, int errorNumber)
{
    const bool storable = encodeSettingsLines(writeSettingsFile(store.currentSettings, store.presets)).has_value();
    const std::u16string reason
        = storable ? writeFailureReason(errorNumber) : std::u16string(appText::reasonNotStorable);
    const std::u16string path = fromUtf8(store.filePath().string());
    return formatText(appText::settingsNotSaved, { std::u16string_view(reason), std::u16string_view(path) });
}

} // namespace vantolex
