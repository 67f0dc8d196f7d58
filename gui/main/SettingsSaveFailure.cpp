#include "gui/main/SettingsSaveFailure.h"

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "gui/main/MainDialogMessages.h"
#include "settings/SettingsStore.h"

namespace vantolex {

std::u16string settingsSaveFailureText(const SettingsStore& store)
{
    const std::u16string reason
        = store.saveError() != 0 ? writeFailureReason(store.saveError()) : std::u16string(mainText::reasonNotStorable);
    const std::u16string path = fromUtf8(store.filePath().string());
    return formatText(mainText::settingsNotSaved, { std::u16string_view(reason), std::u16string_view(path) });
}

} // namespace vantolex
