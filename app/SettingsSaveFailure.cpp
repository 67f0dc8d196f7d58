#include "app/SettingsSaveFailure.h"

#include <cerrno>
#include <cstring>

#include "app/AppMessages.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "settings/SettingsFileBytes.h"
#include "settings/SettingsFileFormat.h"
#include "settings/SettingsStore.h"

namespace vantolex {

namespace {

std::u16string systemReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return std::u16string(appText::reasonAccessDenied);
    case ENOSPC:
    case EDQUOT:
        return std::u16string(appText::reasonDiskFull);
    case EROFS:
        return std::u16string(appText::reasonReadOnly);
    case ENOENT:
    case ENOTDIR:
        return std::u16string(appText::reasonNoFolder);
    default:
        break;
    }
    const std::u16string text = fromUtf8(std::strerror(errorNumber));
    return formatText(appText::reasonSystem, { errorNumber, std::u16string_view(text) });
}

} // namespace

std::u16string settingsSaveFailureText(const SettingsStore& store, int errorNumber)
{
    const bool storable = encodeSettingsLines(writeSettingsFile(store.currentSettings, store.presets)).has_value();
    const std::u16string reason = storable ? systemReason(errorNumber) : std::u16string(appText::reasonNotStorable);
    const std::u16string path = fromUtf8(store.filePath().string());
    return formatText(appText::settingsNotSaved, { std::u16string_view(reason), std::u16string_view(path) });
}

} // namespace vantolex
