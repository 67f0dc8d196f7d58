// The settings files as decoded lines: reading VANTOLEX.DAT (format versions 0 to 5) and the legacy
// VANTOLEX.CNF, and writing VANTOLEX.DAT in version 5.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/Preset.h"
#include "settings/PrintSettings.h"

namespace vantolex {

struct SettingsFileContents
{
    PrintSettings currentSettings;
    std::vector<Preset> presets;
    // Everything the file holds was understood: the current record is valid, every preset the file holds was
    // read, and only blank lines follow the last one. Writing the contents back loses nothing of such a file.
    // The version line counts by its leading integer alone, as reading takes it.
    bool whole = false;
    int version = 0; // the format version the records were read in
    bool currentRecordRead = false; // the current record was read and valid (else the defaults stand in)
    std::vector<std::size_t> presetLines; // for each preset, the index of its name line in the lines read
};

// The current settings and presets of the lines of a VANTOLEX.DAT. Nullopt when nothing of the file can be
// used: no version line, a version outside 0 to 5, or no preset count line. An unreadable or invalid current
// record gives the default settings, and the presets after it are still read. The preset list ends at the
// count of the count line, at the end of the file, at a blank name or at a preset that cannot be read.
std::optional<SettingsFileContents> readSettingsFile(std::span<const std::u16string> lines);

// The record of the lines of a VANTOLEX.CNF, or nullopt when it cannot be read or is invalid.
std::optional<PrintSettings> readLegacySettingsFile(std::span<const std::u16string> lines);

// The lines of a version 5 VANTOLEX.DAT: version, current record, preset count, then name and record of each
// preset. Texts are written exactly as held.
std::vector<std::u16string> writeSettingsFile(const PrintSettings& currentSettings, std::span<const Preset> presets);

} // namespace vantolex
