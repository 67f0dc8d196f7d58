#include "settings/SettingsStore.h"

#include <cassert>
#include <cerrno>
#include <utility>

#include "settings/SettingsFileBytes.h"
#include "settings/SettingsFileFormat.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

SettingsStore::SettingsStore()
    : SettingsStore(settingsPath(settingsFileName))
{
}

SettingsStore::SettingsStore(std::filesystem::path path, SettingsAccess access, SettingsFileSystem& files)
    : m_path(std::move(path))
    , m_access(access)
    , m_files(&files)
{
    if (m_access == SettingsAccess::Change)
        m_lock = m_files->lock(m_path);
    load();
}

SettingsStore::~SettingsStore()
{
    if (m_access != SettingsAccess::ReadWrite || m_savedForExit)
        return;
    try {
        save();
    } catch (...) {
        // Saving at the end of the program has nobody to tell; the previous file stays whole.
    }
}

void SettingsStore::load()
{
    presets.clear();
    m_pendingLegacyRemoval.reset();
    if (!loadSettingsFile())
        migrateLegacyFile();
}

// False when the settings file cannot be read at all, so that the legacy file is tried.
bool SettingsStore::loadSettingsFile()
{
    const std::optional<std::string> bytes = m_files->readFile(m_path);
    if (!bytes)
        return false;
    const std::vector<std::u16string> lines = decodeSettingsLines(*bytes);
    std::optional<SettingsFileContents> contents = readSettingsFile(lines);
    if (!contents) {
        resetAll();
        return true;
    }
    currentSettings = std::move(contents->currentSettings);
    presets = std::move(contents->presets);
    return true;
}

void SettingsStore::migrateLegacyFile()
{
    const std::filesystem::path legacyPath = legacySettingsPathBeside(m_path);
    const std::optional<std::string> bytes = m_files->readFile(legacyPath);
    if (!bytes) {
        resetAll();
        return;
    }
    const std::vector<std::u16string> lines = decodeSettingsLines(*bytes);
    std::optional<PrintSettings> settings = readLegacySettingsFile(lines);
    if (settings)
        currentSettings = std::move(*settings);
    else
        currentSettings.resetToDefaults();
    presets.clear();
    PrintSettings defaults;
    defaults.resetToDefaults();
    addPreset(std::u16string(settingsText::initialPresetName), defaults);

    if (m_access != SettingsAccess::ReadWrite) {
        m_pendingLegacyRemoval = legacyPath;
        return;
    }
    if (!m_files->removeFile(legacyPath))
        resetAll();
}

SaveResult SettingsStore::save()
{
    m_saveError = 0;
    const std::vector<std::u16string> lines = writeSettingsFile(currentSettings, presets);
    const std::optional<std::string> bytes = encodeSettingsLines(lines);
    if (!bytes)
        return SaveResult::NotWritten;
    const SettingsLock lock = m_lock ? SettingsLock() : m_files->lock(m_path);
    if (const std::optional<SaveResult> refusal = refusalToReplace())
        return *refusal;
    m_saveError = m_files->replaceFile(m_path, *bytes);
    if (m_saveError != 0)
        return SaveResult::NotWritten;
    if (m_pendingLegacyRemoval) {
        m_files->removeFile(*m_pendingLegacyRemoval);
        m_pendingLegacyRemoval.reset();
    }
    return SaveResult::Saved;
}

std::optional<SaveResult> SettingsStore::refusalToReplace()
{
    if (!m_files->exists(m_path))
        return std::nullopt;
    const std::optional<std::string> bytes = m_files->readFile(m_path);
    const int readError = bytes ? 0 : errno;
    if (bytes && bytes->empty())
        return std::nullopt;
    if (bytes) {
        const std::optional<SettingsFileContents> contents = readSettingsFile(decodeSettingsLines(*bytes));
        if (contents && contents->whole)
            return std::nullopt;
    }
    if (m_access != SettingsAccess::ReadWrite)
        return SaveResult::KeptUnreadable;
    std::filesystem::path backup = m_path;
    backup += ".bak";
    if (m_files->exists(backup))
        return std::nullopt; // the first backup is the one kept
    m_saveError = bytes ? m_files->replaceFile(backup, *bytes) : (readError != 0 ? readError : EACCES);
    if (m_saveError != 0)
        return SaveResult::NotWritten;
    return std::nullopt;
}

bool SettingsStore::saveForExit()
{
    m_savedForExit = true;
    return save() == SaveResult::Saved;
}

void SettingsStore::resetAll()
{
    currentSettings.resetToDefaults();
    presets.clear();
    addPreset(std::u16string(settingsText::initialPresetName), currentSettings);
}

void SettingsStore::applyPreset(int index)
{
    assert(index >= 0 && static_cast<std::size_t>(index) < presets.size());
    if (index < 0 || static_cast<std::size_t>(index) >= presets.size())
        return;
    currentSettings = presets[static_cast<std::size_t>(index)].settings;
}

void SettingsStore::addPreset(std::u16string name, const PrintSettings& settings)
{
    assert(!name.empty());
    presets.push_back(Preset { std::move(name), settings });
}

std::optional<int> SettingsStore::findPreset(std::u16string_view name) const
{
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (presets[i].name == name)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

void SettingsStore::removePreset(int index)
{
    assert(index >= 0 && static_cast<std::size_t>(index) < presets.size());
    if (index < 0 || static_cast<std::size_t>(index) >= presets.size())
        return;
    presets.erase(presets.begin() + index);
}

void SettingsStore::updatePreset(std::u16string name, const PrintSettings& settings)
{
    if (const std::optional<int> index = findPreset(name))
        presets[static_cast<std::size_t>(*index)].settings = settings;
    else
        addPreset(std::move(name), settings);
}

} // namespace vantolex
