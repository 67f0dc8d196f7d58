// A drop-down list of the preset names, as the preset editor and the その他 page show them.
#pragma once

class QComboBox;

namespace vantolex {

class SettingsStore;

// Replaces the items of `combo` with the names of the store's presets in list order, so that an item's
// position is the preset's index. No item is selected afterwards.
void fillPresetCombo(QComboBox& combo, const SettingsStore& store);

} // namespace vantolex
