// The file operations of the settings store, behind an interface so that tests can make them fail.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsLock.h"

namespace vantolex {

class SettingsFileSystem
{
public:
    virtual ~SettingsFileSystem() = default;

    // The whole content of the file at `path`, or nullopt when it cannot be opened or read (errno then holds
    // the system's reason).
    virtual std::optional<std::string> readFile(const std::filesystem::path& path) = 0;

    // Makes `bytes` the content of the file at `path`. Either every byte is in place (0), or the file at
    // `path` is as it was before (or still absent) and the result is the system's error number that stopped it.
    virtual int replaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;

    // Deletes the file at `path`; true when it is gone now and existed before.
    virtual bool removeFile(const std::filesystem::path& path) = 0;

    // True when something exists at `path` (a symbolic link: at its target).
    virtual bool exists(const std::filesystem::path& path) = 0;

    // The exclusive lock of the settings file at `settingsFile`, held until the returned object goes (it may
    // hold nothing where no lock can be made).
    virtual SettingsLock lock(const std::filesystem::path& settingsFile) = 0;
};

// The real file system. A replacement is written to a new file beside the target, flushed to the disk, and
// renamed over the target only when all of it has been written; the target's directory is created when
// missing. A target that exists but may not be written is left alone (EACCES).
class SystemSettingsFileSystem : public SettingsFileSystem
{
public:
    std::optional<std::string> readFile(const std::filesystem::path& path) override;
    int replaceFile(const std::filesystem::path& path, std::string_view bytes) override;
    bool removeFile(const std::filesystem::path& path) override;
    bool exists(const std::filesystem::path& path) override;
    // flock on the lock file beside it (SettingsLock).
    SettingsLock lock(const std::filesystem::path& settingsFile) override { return SettingsLock(settingsFile); }

protected:
    // Writes all of `bytes` to the open file `descriptor`; 0, or the system's error number of the failed write.
    // The seam through which tests make a write fail part-way (a full disk).
    virtual int writeAll(int descriptor, std::string_view bytes);
};

// The one real file system of the process.
SettingsFileSystem& systemSettingsFileSystem();

} // namespace vantolex
