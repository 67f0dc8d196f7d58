// The list of preset names, as the その他 page and the preset editor show it.
#pragma once

class QComboBox;

namespace vantolex {

class SettingsStore;

// Fills `combo` with the names of the store's presets in their order and selects none.
void fillPresetCombo(QComboBox& combo, const SettingsStore& store);

} // namespace vantolex
