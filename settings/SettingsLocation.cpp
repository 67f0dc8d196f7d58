#include "settings/SettingsLocation.h"

#include <cstdlib>
#include <system_error>

namespace vantolex {

namespace {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

std::filesystem::path settingsDirectory(const SettingsLocationFacts& facts)
{
    if (!facts.programDirectory.empty() && facts.settingsFileBesideProgram)
        return facts.programDirectory;
    // A relative $XDG_CONFIG_HOME is invalid and is ignored, as the base directory rules say.
    if (!facts.xdgConfigHome.empty() && std::filesystem::path(facts.xdgConfigHome).is_absolute())
        return std::filesystem::path(facts.xdgConfigHome) / "vantolex";
    if (!facts.home.empty())
        return std::filesystem::path(facts.home) / ".config" / "vantolex";
    if (!facts.programDirectory.empty())
        return facts.programDirectory;
    return ".";
}

SettingsLocationFacts currentSettingsLocationFacts()
{
    SettingsLocationFacts facts;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) {
        facts.programDirectory = program.parent_path();
        for (const std::u16string_view name : { settingsFileName, legacySettingsFileName }) {
            if (std::filesystem::exists(facts.programDirectory / std::filesystem::path(std::u16string(name)), error))
                facts.settingsFileBesideProgram = true;
        }
    }
    facts.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    facts.home = environmentValue("HOME");
    return facts;
}

std::filesystem::path settingsPath(std::u16string_view fileName)
{
    return settingsDirectory(currentSettingsLocationFacts()) / std::filesystem::path(std::u16string(fileName));
}

std::filesystem::path legacySettingsPathBeside(const std::filesystem::path& settingsFile)
{
    return settingsFile.parent_path() / std::filesystem::path(std::u16string(legacySettingsFileName));
}

} // namespace vantolex
