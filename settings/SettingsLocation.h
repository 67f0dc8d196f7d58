// Where the settings files live: beside the program for a portable copy, otherwise in the user's
// configuration directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantolex {

inline constexpr std::u16string_view settingsFileName = u"VANTOLEX.DAT";
inline constexpr std::u16string_view legacySettingsFileName = u"VANTOLEX.CNF";

// What the choice of the settings directory depends on.
struct SettingsLocationFacts
{
    std::filesystem::path programDirectory; // directory of the running program; empty when unknown
    bool settingsFileBesideProgram = false; // a VANTOLEX.DAT or VANTOLEX.CNF exists in programDirectory
    std::string xdgConfigHome; // $XDG_CONFIG_HOME, empty when unset
    std::string home; // $HOME, empty when unset
};

// The directory of the settings files: the program's directory when a settings file (or a legacy one) is
// already there, which makes a portable copy; otherwise vantolex/ in $XDG_CONFIG_HOME when that is an absolute
// path, else in ~/.config. With neither, the program's directory after all (or the working directory when even
// that is unknown).
std::filesystem::path settingsDirectory(const SettingsLocationFacts& facts);

// The facts of this process: the program's directory from /proc/self/exe, the environment.
SettingsLocationFacts currentSettingsLocationFacts();

// The full path of the settings file named `fileName` (settingsFileName, legacySettingsFileName) for this
// process.
std::filesystem::path settingsPath(std::u16string_view fileName);

// The legacy file that belongs to the settings file at `settingsFile`: VANTOLEX.CNF in the same directory.
std::filesystem::path legacySettingsPathBeside(const std::filesystem::path& settingsFile);

} // namespace vantolex
