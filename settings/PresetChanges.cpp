#include "settings/PresetChanges.h"

#include "settings/SettingsRecord.h"

namespace vantolex {

namespace {

// The index of the preset named `name` with `rank` presets of that name before it, or the list's size.
std::size_t findRanked(const PresetList& list, const std::u16string& name, int rank)
{
    for (std::size_t i = 0; i < list.presets.size(); ++i) {
        if (list.presets[i].name == name && rank-- == 0)
            return i;
    }
    return list.presets.size();
}

// The first preset named `name` whose settings are stored as `settings` would be, or the list's size.
std::size_t findHolding(const PresetList& list, const std::u16string& name, const PrintSettings& settings)
{
    std::vector<std::u16string> wanted;
    writeSettingsRecord(settings, wanted);
    for (std::size_t i = 0; i < list.presets.size(); ++i) {
        if (list.presets[i].name != name)
            continue;
        std::vector<std::u16string> lines;
        writeSettingsRecord(list.presets[i].settings, lines);
        if (lines == wanted)
            return i;
    }
    return list.presets.size();
}

} // namespace

void applyPresetChange(const PresetChange& change, PresetList& list)
{
    switch (change.kind) {
    case PresetChange::Kind::Update: {
        const std::size_t index = findRanked(list, change.name, 0);
        if (index < list.presets.size()) {
            list.presets[index].settings = change.settings;
            list.stored[index].record.reset(); // the name stays as it was written
            return;
        }
        [[fallthrough]];
    }
    case PresetChange::Kind::Add:
        list.presets.push_back(Preset { change.name, change.settings });
        list.stored.emplace_back();
        return;
    case PresetChange::Kind::Remove: {
        std::size_t index = findHolding(list, change.name, change.settings);
        if (index == list.presets.size())
            index = findRanked(list, change.name, change.rank);
        if (index < list.presets.size()) {
            list.presets.erase(list.presets.begin() + static_cast<std::ptrdiff_t>(index));
            list.stored.erase(list.stored.begin() + static_cast<std::ptrdiff_t>(index));
        }
        return;
    }
    }
}

int presetRank(const PresetList& list, std::size_t index)
{
    int rank = 0;
    for (std::size_t i = 0; i < index; ++i) {
        if (list.presets[i].name == list.presets[index].name)
            ++rank;
    }
    return rank;
}

} // namespace vantolex
