// The exclusive lock of a settings file: flock on a lock file beside it ("VANTOLEX.DAT.lock"), so that the
// read–modify–rename of one writer is never interleaved with another's, in this process or another. Every
// file kept beside the settings file (VANTOLEX.DAT, vantolex.ini) is changed under this one lock.
//
// Take it for the resolved path of the settings file (resolvedSettingsPath), so that a file named through a
// symbolic link and by its real name has one lock; hold it only around the read–modify–rename, never across
// anything that may wait on a person, a printer or a pipe.
#pragma once

#include <chrono>
#include <filesystem>

#include "base/FileDescriptor.h"

namespace vantolex {

// How long a writer waits for another process that holds the lock before it gives up.
inline constexpr std::chrono::milliseconds settingsLockTimeout { 5000 };

class SettingsLock
{
public:
    // Holds nothing.
    SettingsLock() = default;

    // Takes the lock of the settings file at `resolvedFile`, creating the lock file (and its folder) when
    // missing, and waiting at most `timeout` while another holds it. Throws Error, with the Japanese text that
    // names the lock file and the reason, when the lock file cannot be made or opened for writing, is no
    // regular file (a folder), or is still held when the time is up: a caller never goes on unlocked.
    explicit SettingsLock(const std::filesystem::path& resolvedFile,
                          std::chrono::milliseconds timeout = settingsLockTimeout);

    SettingsLock(SettingsLock&&) noexcept = default;
    SettingsLock& operator=(SettingsLock&&) noexcept = default;
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    // Releases the lock.
    ~SettingsLock() = default;

    // True while the lock is held.
    explicit operator bool() const noexcept { return static_cast<bool>(m_file); }

private:
    FileDescriptor m_file; // closing it releases the lock
};

// The settings file at `settingsFile` as one name for all its names: absolute, every symbolic link of it and
// of its folders resolved, a link to a file that does not exist yet too (what does not exist is kept as named).
std::filesystem::path resolvedSettingsPath(const std::filesystem::path& settingsFile);

// The lock file of the settings file at `resolvedFile`.
std::filesystem::path settingsLockPath(const std::filesystem::path& resolvedFile);

} // namespace vantolex
