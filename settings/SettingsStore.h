// The current print settings and the named presets, kept between runs in the settings file VANTOLEX.DAT.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Preset.h"
#include "settings/PresetChanges.h"
#include "settings/PrintSettings.h"
#include "settings/SettingsFileSystem.h"

namespace vantolex {

enum class SettingsAccess
{
    // The dialog program's store: loading may delete a migrated VANTOLEX.CNF, destruction saves, a save
    // writes its own current settings, and a save over a settings file that cannot be read wholly first keeps
    // that file under a backup name of its own (VANTOLEX.DAT.bak, then VANTOLEX.DAT.bak.2, .3 ...).
    ReadWrite,
    // The command-line tool's store: loading writes and deletes nothing and destruction saves nothing. An
    // explicit save() still writes its preset changes, keeps the current record that the file holds, and never
    // writes over a file it cannot read wholly; only after a complete write is a migrated VANTOLEX.CNF deleted.
    ReadOnly,
};

enum class SaveResult
{
    Saved,
    // The file could not be written, or the store holds a character that code page 932 cannot represent; the
    // file and the store are unchanged.
    NotWritten,
    // The settings file holds something that could not be read (another format, a newer version, damage, no
    // regular file, more than settingsFileSizeLimit) and is left as it is: only the dialog program's store
    // writes over such a regular file, after keeping it under a backup name.
    KeptUnreadable,
    // The settings file's lock could not be taken (lockFailure() says why); nothing was read or written.
    NotLocked,
};

// Loading never reports anything and never throws for a file that is missing, unreadable, invalid or
// unwritable: every failure ends in a usable store.
//
// Other programs may change the file while a store is open. A save therefore takes the settings file's lock
// (SettingsLock, on the file's resolved path) only around its read–modify–rename: under it, it reads the file
// as it is now, replays onto its presets the changes this store made since it was loaded or last saved (added,
// updated, removed presets, in their order), and writes the result. Presets that another program added,
// changed or removed meanwhile survive; where both changed the same preset, this later save wins. Every
// preset that the save does not change is written back exactly as the file held it, byte for byte.
class SettingsStore
{
public:
    // The program's store at settingsPath(settingsFileName), loaded now and saved on destruction.
    SettingsStore();

    // The store of the settings file at `path`; the legacy file is looked for beside it. Loaded now.
    explicit SettingsStore(std::filesystem::path path, SettingsAccess access = SettingsAccess::ReadWrite,
                           SettingsFileSystem& files = systemSettingsFileSystem());

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Saves with ReadWrite access.
    ~SettingsStore();

    PrintSettings currentSettings; // the settings the tab pages show and every run uses
    std::u16string messageBuffer; // scratch text for validation messages; never stored

    // In insertion order, the order of the file and of every list on screen. Changed only through the
    // operations below, which a save replays onto the file.
    const std::vector<Preset>& presets() const { return m_list.presets; }

    // Fills currentSettings and presets from the settings file, or from the legacy file when there is no
    // settings file (migration), or with resetAll. Forgets the changes not saved yet.
    void load();

    // Writes the settings file in version 5 as described above. The previous file stays whole unless the new
    // one has been written completely. After a successful save, presets() is the list that was written.
    SaveResult save();

    // The save that destruction would make, made now so that its result can be shown; destruction then
    // saves nothing more.
    SaveResult saveForExit();

    // Default settings and the single preset "初期値" holding them: the store of a missing or unusable file.
    // It is part of loading: a save replays no change of it.
    void resetAll();

    // Copies the settings of the preset at `index` (within presets) into currentSettings.
    void applyPreset(int index);

    // Appends a preset named `name` (not empty) with a copy of `settings`; names may repeat.
    void addPreset(std::u16string name, const PrintSettings& settings);

    // The index of the first preset named exactly `name` (code unit by code unit), or nullopt.
    std::optional<int> findPreset(std::u16string_view name) const;

    // Removes the preset at `index` (within presets); later presets move up by one. A save removes from the file
    // the first preset of that name and those settings, else the one of that name and the same rank among the
    // presets of that name, if the file still holds one.
    void removePreset(int index);

    // Copies `settings` into the first preset named `name`, keeping its name and position, or appends a new
    // preset when there is none of that name.
    void updatePreset(std::u16string name, const PrintSettings& settings);

    const std::filesystem::path& filePath() const { return m_path; }

    // True when the last load met something in the settings file's place that is never read: no regular file
    // (a FIFO, a device), or a file larger than settingsFileSizeLimit. The store then holds what resetAll gives.
    bool loadRefusedFile() const { return m_loadRefusedFile; }

    // Why the last save was NotWritten, as the system's error number; 0 when no system call failed (the
    // settings hold a character the file cannot store) or the last save did not fail that way.
    int saveError() const { return m_saveError; }

    // Why the last save was NotLocked: the finished Japanese text naming the lock file and the reason.
    const std::u16string& lockFailure() const { return m_lockFailure; }

    // The name under which the last save kept the unreadable file it wrote over; empty when it kept none.
    const std::filesystem::path& keptBackup() const { return m_keptBackup; }

private:
    void migrateLegacyFile();
    // Under the lock, for a file that cannot be read wholly: keeps it under a new backup name, or refuses.
    std::optional<SaveResult> keepUnreadable(const std::filesystem::path& target);

    std::filesystem::path m_path;
    SettingsAccess m_access;
    SettingsFileSystem* m_files;
    PresetList m_list; // the presets and the bytes they were read from
    std::vector<PresetChange> m_changes; // since the last load or save
    // The current record as last loaded or saved: its lines, and its bytes when the file held it in version 5.
    std::vector<std::u16string> m_currentLines;
    std::optional<std::string> m_currentBytes;
    // A legacy file that was migrated without being deleted (ReadOnly): deleted after the next save.
    std::optional<std::filesystem::path> m_pendingLegacyRemoval;
    bool m_savedForExit = false;
    bool m_loadRefusedFile = false;
    int m_saveError = 0;
    std::u16string m_lockFailure;
    std::filesystem::path m_keptBackup;
};

} // namespace vantolex
