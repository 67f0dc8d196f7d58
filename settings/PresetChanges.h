// The presets of a settings file with the bytes they were read from, and the changes of a store's session
// that a save replays onto the presets of the file as it is at that moment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/Preset.h"

namespace vantolex {

// The bytes of a preset's lines as the file held them, each with its CR LF: written back unchanged as long as
// the preset is not changed. None for a preset made or changed since, or read from an older format version.
struct StoredPresetLines
{
    std::optional<std::string> name;
    std::optional<std::string> record;
};

struct PresetList
{
    std::vector<Preset> presets;
    std::vector<StoredPresetLines> stored; // one for each preset
};

// One change of a preset list.
struct PresetChange
{
    enum class Kind
    {
        Add, // appends `name` with `settings`
        Update, // gives the first preset named `name` the `settings`, or appends it when there is none
        // Removes the first preset named `name` that holds `settings`, or else the one named `name` that has
        // `rank` presets of that name before it (another writer changed its settings meanwhile).
        Remove,
    };
    Kind kind = Kind::Add;
    std::u16string name;
    PrintSettings settings;
    int rank = 0;
};

// Makes `change` in `list`. A Remove of a preset that the list does not hold changes nothing.
void applyPresetChange(const PresetChange& change, PresetList& list);

// The rank that a Remove of the preset at `index` of `list` carries.
int presetRank(const PresetList& list, std::size_t index);

} // namespace vantolex
