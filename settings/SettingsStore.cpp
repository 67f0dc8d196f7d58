#include "settings/SettingsStore.h"

#include <cassert>
#include <cerrno>
#include <span>
#include <utility>

#include "base/Errors.h"
#include "settings/SettingsFileBytes.h"
#include "settings/SettingsFileFormat.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsRecord.h"

namespace vantolex {

namespace {

// How many backups of unreadable files are kept beside the settings file at most.
constexpr int backupLimit = 999;

// A settings file as read: what it holds, and the bytes of its version 5 records.
struct ParsedSettingsFile
{
    std::optional<SettingsFileContents> contents;
    PresetList list;
    std::optional<std::string> currentBytes; // the current record's lines, each with CR LF
};

std::string joinedLines(std::span<const std::string_view> lines)
{
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

ParsedSettingsFile parseSettingsFile(std::string_view bytes)
{
    ParsedSettingsFile parsed;
    const std::vector<std::string_view> byteLines = splitSettingsLines(bytes);
    parsed.contents = readSettingsFile(decodeSettingsLines(bytes));
    if (!parsed.contents)
        return parsed;
    SettingsFileContents& contents = *parsed.contents;
    // Only lines of the layout that is written can be written back as they are.
    const bool keepBytes = contents.version == currentSettingsVersion;
    const auto recordLines = static_cast<std::size_t>(recordLineCount(SettingsRecordFormat::Version5));
    const std::span<const std::string_view> lines(byteLines);
    if (keepBytes && contents.currentRecordRead)
        parsed.currentBytes = joinedLines(lines.subspan(1, recordLines));
    parsed.list.presets = std::move(contents.presets);
    for (const std::size_t nameLine : contents.presetLines) {
        StoredPresetLines stored;
        if (keepBytes) {
            stored.name = joinedLines(lines.subspan(nameLine, 1));
            stored.record = joinedLines(lines.subspan(nameLine + 1, recordLines));
        }
        parsed.list.stored.push_back(std::move(stored));
    }
    return parsed;
}

std::optional<std::string> encodedLine(const std::u16string& line)
{
    return encodeSettingsLines(std::span(&line, 1));
}

std::vector<std::u16string> recordLinesOf(const PrintSettings& settings)
{
    std::vector<std::u16string> lines;
    writeSettingsRecord(settings, lines);
    return lines;
}

// The bytes of a version 5 file of `currentBytes` and `list`; nullopt when a text cannot be encoded.
std::optional<std::string> fileBytes(const std::string& currentBytes, const PresetList& list)
{
    std::string bytes = std::to_string(currentSettingsVersion) + "\r\n" + currentBytes;
    bytes += std::to_string(list.presets.size()) + "\r\n";
    for (std::size_t i = 0; i < list.presets.size(); ++i) {
        const Preset& preset = list.presets[i];
        const StoredPresetLines& stored = list.stored[i];
        const std::optional<std::string> name = stored.name ? stored.name : encodedLine(preset.name);
        const std::optional<std::string> record
            = stored.record ? stored.record : encodeSettingsLines(recordLinesOf(preset.settings));
        if (!name || !record)
            return std::nullopt;
        bytes += *name;
        bytes += *record;
    }
    return bytes;
}

std::filesystem::path backupPath(const std::filesystem::path& target, int number)
{
    std::filesystem::path path = target;
    path += number == 1 ? std::string(".bak") : ".bak." + std::to_string(number);
    return path;
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(settingsPath(settingsFileName))
{
}

SettingsStore::SettingsStore(std::filesystem::path path, SettingsAccess access, SettingsFileSystem& files)
    : m_path(std::move(path))
    , m_access(access)
    , m_files(&files)
{
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
    m_list = {};
    m_changes.clear();
    m_currentBytes.reset();
    m_pendingLegacyRemoval.reset();
    m_loadRefusedFile = false;
    SettingsFileRead read = m_files->readFile(m_path);
    switch (read.status) {
    case SettingsFileRead::Status::Missing:
    case SettingsFileRead::Status::Failed:
        migrateLegacyFile();
        break;
    case SettingsFileRead::Status::TooLarge:
    case SettingsFileRead::Status::NotRegular:
        m_loadRefusedFile = true;
        resetAll();
        break;
    case SettingsFileRead::Status::Read: {
        ParsedSettingsFile parsed = parseSettingsFile(read.bytes);
        if (!parsed.contents) {
            resetAll();
            break;
        }
        currentSettings = std::move(parsed.contents->currentSettings);
        m_list = std::move(parsed.list);
        m_currentBytes = std::move(parsed.currentBytes);
        break;
    }
    }
    m_currentLines = recordLinesOf(currentSettings);
}

void SettingsStore::migrateLegacyFile()
{
    const std::filesystem::path legacyPath = legacySettingsPathBeside(m_path);
    const SettingsFileRead read = m_files->readFile(legacyPath);
    if (read.status != SettingsFileRead::Status::Read) {
        resetAll();
        return;
    }
    std::optional<PrintSettings> settings = readLegacySettingsFile(decodeSettingsLines(read.bytes));
    if (settings)
        currentSettings = std::move(*settings);
    else
        currentSettings.resetToDefaults();
    PrintSettings defaults;
    defaults.resetToDefaults();
    m_list = {};
    applyPresetChange({ PresetChange::Kind::Add, std::u16string(settingsText::initialPresetName), defaults }, m_list);

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
    m_lockFailure.clear();
    m_keptBackup.clear();
    const std::filesystem::path target = m_files->resolve(m_path);
    SettingsLock lock;
    try {
        lock = m_files->lock(target);
    } catch (const Error& failure) {
        m_lockFailure = failure.message;
        return SaveResult::NotLocked;
    }

    const SettingsFileRead disk = m_files->readFile(target);
    std::optional<ParsedSettingsFile> parsed;
    switch (disk.status) {
    case SettingsFileRead::Status::Missing:
        break;
    case SettingsFileRead::Status::Failed:
        m_saveError = disk.error;
        return SaveResult::NotWritten;
    case SettingsFileRead::Status::NotRegular:
        return SaveResult::KeptUnreadable; // nothing to keep a copy of: it is never replaced
    case SettingsFileRead::Status::TooLarge:
        if (const std::optional<SaveResult> refusal = keepUnreadable(target))
            return *refusal;
        break;
    case SettingsFileRead::Status::Read:
        if (disk.bytes.empty())
            break;
        parsed = parseSettingsFile(disk.bytes);
        if (!parsed->contents || !parsed->contents->whole) {
            if (const std::optional<SaveResult> refusal = keepUnreadable(target))
                return *refusal;
        }
        if (!parsed->contents)
            parsed.reset();
        break;
    }

    // The presets: the file's with this store's changes replayed, or this store's own when the file holds none.
    PresetList list = parsed ? parsed->list : m_list;
    if (parsed) {
        for (const PresetChange& change : m_changes)
            applyPresetChange(change, list);
    }
    // The current record: the dialog program's own; the tool keeps the one the file holds.
    const bool ownCurrent = m_access == SettingsAccess::ReadWrite || !parsed || !parsed->contents->currentRecordRead;
    std::vector<std::u16string> currentLines;
    std::optional<std::string> currentBytes;
    if (ownCurrent) {
        currentLines = recordLinesOf(currentSettings);
        currentBytes
            = currentLines == m_currentLines && m_currentBytes ? m_currentBytes : encodeSettingsLines(currentLines);
    } else {
        currentBytes = parsed->currentBytes ? parsed->currentBytes
                                            : encodeSettingsLines(recordLinesOf(parsed->contents->currentSettings));
    }
    const std::optional<std::string> bytes = currentBytes ? fileBytes(*currentBytes, list) : std::nullopt;
    if (!bytes)
        return SaveResult::NotWritten;

    m_saveError = m_files->replaceFile(target, *bytes);
    if (m_saveError != 0)
        return SaveResult::NotWritten;
    m_list = std::move(list);
    m_changes.clear();
    if (ownCurrent) {
        m_currentLines = std::move(currentLines);
        m_currentBytes = std::move(currentBytes);
    }
    if (m_pendingLegacyRemoval) {
        m_files->removeFile(*m_pendingLegacyRemoval);
        m_pendingLegacyRemoval.reset();
    }
    return SaveResult::Saved;
}

std::optional<SaveResult> SettingsStore::keepUnreadable(const std::filesystem::path& target)
{
    if (m_access != SettingsAccess::ReadWrite)
        return SaveResult::KeptUnreadable;
    for (int number = 1; number <= backupLimit; ++number) {
        const std::filesystem::path backup = backupPath(target, number);
        const int error = m_files->keepAs(target, backup);
        if (error == 0) {
            m_keptBackup = backup;
            return std::nullopt;
        }
        if (error != EEXIST) {
            m_saveError = error;
            return SaveResult::NotWritten;
        }
    }
    m_saveError = EEXIST;
    return SaveResult::NotWritten;
}

SaveResult SettingsStore::saveForExit()
{
    m_savedForExit = true;
    return save();
}

void SettingsStore::resetAll()
{
    currentSettings.resetToDefaults();
    m_list = {};
    applyPresetChange({ PresetChange::Kind::Add, std::u16string(settingsText::initialPresetName), currentSettings },
                      m_list);
}

void SettingsStore::applyPreset(int index)
{
    assert(index >= 0 && static_cast<std::size_t>(index) < m_list.presets.size());
    if (index < 0 || static_cast<std::size_t>(index) >= m_list.presets.size())
        return;
    currentSettings = m_list.presets[static_cast<std::size_t>(index)].settings;
}

void SettingsStore::addPreset(std::u16string name, const PrintSettings& settings)
{
    assert(!name.empty());
    PresetChange change { PresetChange::Kind::Add, std::move(name), settings };
    applyPresetChange(change, m_list);
    m_changes.push_back(std::move(change));
}

std::optional<int> SettingsStore::findPreset(std::u16string_view name) const
{
    for (std::size_t i = 0; i < m_list.presets.size(); ++i) {
        if (m_list.presets[i].name == name)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

void SettingsStore::removePreset(int index)
{
    assert(index >= 0 && static_cast<std::size_t>(index) < m_list.presets.size());
    if (index < 0 || static_cast<std::size_t>(index) >= m_list.presets.size())
        return;
    const auto at = static_cast<std::size_t>(index);
    const Preset& preset = m_list.presets[at];
    PresetChange change { PresetChange::Kind::Remove, preset.name, preset.settings, presetRank(m_list, at) };
    applyPresetChange(change, m_list);
    m_changes.push_back(std::move(change));
}

void SettingsStore::updatePreset(std::u16string name, const PrintSettings& settings)
{
    PresetChange change { PresetChange::Kind::Update, std::move(name), settings };
    applyPresetChange(change, m_list);
    m_changes.push_back(std::move(change));
}

} // namespace vantolex
