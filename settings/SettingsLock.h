// The exclusive lock of a settings file: flock on a lock file beside it ("VANTOLEX.DAT.lock"), so that the
// read–modify–rename of one store is never interleaved with another's, in this process or another.
#pragma once

#include <filesystem>

#include "base/FileDescriptor.h"

namespace vantolex {

class SettingsLock
{
public:
    // Holds nothing.
    SettingsLock() = default;

    // Waits for the lock of the settings file at `settingsFile`, creating the lock file (and its folder) when
    // missing. Holds nothing when the lock file cannot be made (a folder that may not be written, where the
    // settings file cannot be replaced either).
    explicit SettingsLock(const std::filesystem::path& settingsFile);

    // True while the lock is held.
    explicit operator bool() const noexcept { return static_cast<bool>(m_file); }

private:
    FileDescriptor m_file; // closing it releases the lock
};

// The lock file of the settings file at `settingsFile`.
std::filesystem::path settingsLockPath(const std::filesystem::path& settingsFile);

} // namespace vantolex
