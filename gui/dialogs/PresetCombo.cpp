#include "gui/dialogs/PresetCombo.h"

#include <QComboBox>

#include "gui/kit/QtText.h"
#include "settings/SettingsStore.h"

namespace vantolex {

void fillPresetCombo(QComboBox& combo, const SettingsStore& store)
{
    combo.clear();
    for (const Preset& preset : store.presets())
        combo.addItem(toQString(preset.name));
    // Filling selects the first item: no preset is chosen until the user picks one.
    combo.setCurrentIndex(-1);
}

} // namespace vantolex
