// The current print settings and the named presets, kept between runs in the settings file VANTOLEX.DAT.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Preset.h"
#include "settings/PrintSettings.h"
#include "settings/SettingsFileSystem.h"
#include "settings/SettingsLock.h"

namespace vantolex {

enum class SettingsAccess
{
    // The dialog program's store: loading may delete a migrated VANTOLEX.CNF, destruction saves, and a save
    // over a settings file that cannot be read wholly first keeps that file as VANTOLEX.DAT.bak.
    ReadWrite,
    // The command-line tool's store: loading writes and deletes nothing and destruction saves nothing. An
    // explicit save() still writes; only after that complete write is a migrated VANTOLEX.CNF deleted.
    ReadOnly,
    // Like ReadOnly, for one change of the file (a preset saved or deleted): the settings file's lock is taken
    // before loading and held until destruction, so that the whole read–modify–rename is one step for every
    // other store.
    Change,
};

enum class SaveResult
{
    Saved,
    // The file could not be written, or the store holds a character that code page 932 cannot represent; the
    // file and the store are unchanged.
    NotWritten,
    // The settings file holds something that could not be read (another format, a newer version, damage) and
    // is left as it is: only the dialog program's store writes over it, after keeping a backup.
    KeptUnreadable,
};

// Loading never reports anything and never throws for a file that is missing, unreadable, invalid or
// unwritable: every failure ends in a usable store. Every save holds the settings file's lock
// (SettingsLock) from its check of the file on the disk to the rename of the new file.
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
    std::vector<Preset> presets; // in insertion order, the order of the file and of every list on screen
    std::u16string messageBuffer; // scratch text for validation messages; never stored

    // Fills currentSettings and presets from the settings file, or from the legacy file when there is no
    // settings file (migration), or with resetAll.
    void load();

    // Writes the settings file in version 5. The previous file stays whole unless the new one has been
    // written completely. A settings file on the disk that is not empty and cannot be read wholly (see
    // SettingsFileContents::whole) is not written over: with ReadWrite access it is first kept as
    // VANTOLEX.DAT.bak, unless such a backup exists already (the first one is kept); otherwise the save is
    // refused.
    SaveResult save();

    // The save that destruction would make, made now so that its result can be shown; destruction then
    // saves nothing more. True when save() saved.
    bool saveForExit();

    // Default settings and the single preset "初期値" holding them.
    void resetAll();

    // Copies the settings of the preset at `index` (within presets) into currentSettings.
    void applyPreset(int index);

    // Appends a preset named `name` (not empty) with a copy of `settings`; names may repeat.
    void addPreset(std::u16string name, const PrintSettings& settings);

    // The index of the first preset named exactly `name` (code unit by code unit), or nullopt.
    std::optional<int> findPreset(std::u16string_view name) const;

    // Removes the preset at `index` (within presets); later presets move up by one.
    void removePreset(int index);

    // Copies `settings` into the first preset named `name`, keeping its name and position, or appends a new
    // preset when there is none of that name.
    void updatePreset(std::u16string name, const PrintSettings& settings);

    const std::filesystem::path& filePath() const { return m_path; }

    // Why the last save was NotWritten, as the system's error number; 0 when no system call failed (the
    // settings hold a character the file cannot store) or the last save did not fail that way.
    int saveError() const { return m_saveError; }

private:
    bool loadSettingsFile();
    void migrateLegacyFile();
    // Under the lock: whether the file on the disk may be written over, after keeping its backup.
    std::optional<SaveResult> refusalToReplace();

    std::filesystem::path m_path;
    SettingsAccess m_access;
    SettingsFileSystem* m_files;
    SettingsLock m_lock; // held from construction with Change access
    // A legacy file that was migrated without being deleted (ReadOnly): deleted after the next save.
    std::optional<std::filesystem::path> m_pendingLegacyRemoval;
    bool m_savedForExit = false;
    int m_saveError = 0;
};

} // namespace vantolex
