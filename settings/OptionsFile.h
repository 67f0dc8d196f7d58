// The options file beside the settings file: vantolex.ini, UTF-8, the layout options that VANTOLEX.DAT cannot
// hold in its [layout] section ("kinsoku=true|false", "supplementary=true|false"). Everything else in the file
// (other keys, other sections, comments) is kept as it is when the options are written back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/LayoutOptions.h"
#include "settings/SettingsFileSystem.h"

namespace vantolex {

inline constexpr std::u16string_view optionsFileName = u"vantolex.ini";

// The options file that belongs to the settings file at `settingsFile`: vantolex.ini in the same directory.
std::filesystem::path optionsPathBeside(const std::filesystem::path& settingsFile);

// The options that `bytes` set on top of the defaults, or nullopt when `bytes` is not UTF-8. A value other
// than "true" or "false" leaves its option as it was; of a key given twice the last holds.
std::optional<LayoutOptions> parseOptionsFile(std::string_view bytes);

// `bytes` with the options set to `options`: every line of the keys in [layout] rewritten, a key that is
// missing added at the end of the first [layout] section, the section added at the end when there is none.
// Every other byte stays; new lines end as the file's first line does ("\n" for an empty file).
std::string mergeOptionsFile(std::string_view bytes, const LayoutOptions& options);

// What the options file of a settings file holds.
struct OptionsFileState
{
    LayoutOptions options; // the defaults when the file is missing or unreadable
    bool unreadable = false; // it exists but cannot be read, or is not UTF-8: it is never written over
};

OptionsFileState readOptionsFile(const std::filesystem::path& settingsFile,
                                 SettingsFileSystem& files = systemSettingsFileSystem());

enum class OptionsSaveResult
{
    Saved,
    KeptUnreadable, // the file on the disk exists but cannot be read or is not UTF-8: left alone
    NotWritten, // the replacement failed; the file is as it was (`error` has the system's reason)
};

// Writes `options` into the options file of the settings file at `settingsFile`, under the settings file's
// lock, merged into what the file holds at that moment; written whole under a temporary name. Throws Error, with
// the text naming the lock file and the reason, when the lock cannot be taken.
OptionsSaveResult saveOptionsFile(const std::filesystem::path& settingsFile, const LayoutOptions& options, int& error,
                                  SettingsFileSystem& files = systemSettingsFileSystem());

} // namespace vantolex
