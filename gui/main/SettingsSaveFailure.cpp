#include "gui/main/SettingsSaveFailure.h"

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "gui/main/MainDialogMessages.h"
#include "settings/SettingsStore.h"

namespace vantolex {

namespace {

std::u16string failureReason(const SettingsStore& store, SaveResult result)
{
    switch (result) {
    case SaveResult::NotLocked:
        return store.lockFailure();
    case SaveResult::KeptUnreadable:
        return std::u16string(mainText::reasonUnreadableKept);
    case SaveResult::Saved:
    case SaveResult::NotWritten:
        break;
    }
    return store.saveError() != 0 ? writeFailureReason(store.saveError()) : std::u16string(mainText::reasonNotStorable);
}

} // namespace

std::u16string settingsSaveFailureText(const SettingsStore& store, SaveResult result)
{
    const std::u16string reason = failureReason(store, result);
    const std::u16string path = fromUtf8(store.filePath().string());
    return formatText(mainText::settingsNotSaved, { std::u16string_view(reason), std::u16string_view(path) });
}

} // namespace vantolex
