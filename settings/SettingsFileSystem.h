// The file operations of the settings store, behind an interface so that tests can make them fail.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/SettingsLock.h"

namespace vantolex {

// The largest settings file that is read: far above any real one (a thousand presets take less than 300 KB),
// low enough that reading it cannot exhaust the memory.
inline constexpr std::size_t settingsFileSizeLimit = std::size_t { 2 } << 20;

// What reading a settings file found.
struct SettingsFileRead
{
    enum class Status
    {
        Read, // `bytes` holds the whole file
        Missing, // there is no file of that name
        TooLarge, // a regular file larger than settingsFileSizeLimit
        NotRegular, // a pipe, a device, a socket: nothing that is read as a settings file
        Failed, // it could not be opened or read; `error` says why (EISDIR for a folder)
    };
    Status status = Status::Missing;
    std::string bytes;
    int error = 0; // the system's error number, for Failed
};

class SettingsFileSystem
{
public:
    virtual ~SettingsFileSystem() = default;

    // The whole content of the regular file at `path`, read without waiting on anything but the disk and never
    // beyond settingsFileSizeLimit.
    virtual SettingsFileRead readFile(const std::filesystem::path& path) = 0;

    // Makes `bytes` the content of the file at `path`. Either every byte is in place (0), or the file at
    // `path` is as it was before (or still absent) and the result is the system's error number that stopped it.
    virtual int replaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;

    // Deletes the file at `path`; true when it is gone now and existed before.
    virtual bool removeFile(const std::filesystem::path& path) = 0;

    // Keeps the file at `path` as it is now under the name `backup` too, never writing over anything: 0, EEXIST
    // when `backup` exists already, or the system's error number that stopped it.
    virtual int keepAs(const std::filesystem::path& path, const std::filesystem::path& backup) = 0;

    // The one name of the settings file at `path` (resolvedSettingsPath), under which it is locked and replaced.
    virtual std::filesystem::path resolve(const std::filesystem::path& path) = 0;

    // The exclusive lock of the settings file at `resolvedFile`, held until the returned object goes; throws
    // Error when it cannot be taken (SettingsLock). It holds nothing where the files need no lock.
    virtual SettingsLock lock(const std::filesystem::path& resolvedFile) = 0;
};

// The real file system. A replacement is written to a new file of an unpredictable name beside the target
// (made anew when the name is taken), flushed to the disk, and renamed over the target only when all of it has
// been written; the target's directory is created when missing. A symbolic link keeps being a link: its target is
// replaced. A target that exists but may not be written,
// or that is no regular file, is left alone (EACCES, EISDIR, EINVAL).
class SystemSettingsFileSystem : public SettingsFileSystem
{
public:
    SettingsFileRead readFile(const std::filesystem::path& path) override;
    int replaceFile(const std::filesystem::path& path, std::string_view bytes) override;
    bool removeFile(const std::filesystem::path& path) override;
    // A second name (a hard link), or a copy where the file system has no hard links.
    int keepAs(const std::filesystem::path& path, const std::filesystem::path& backup) override;
    std::filesystem::path resolve(const std::filesystem::path& path) override { return resolvedSettingsPath(path); }
    // flock on the lock file beside it (SettingsLock), waiting at most settingsLockTimeout.
    SettingsLock lock(const std::filesystem::path& resolvedFile) override { return SettingsLock(resolvedFile); }

protected:
    // Writes all of `bytes` to the open file `descriptor`; 0, or the system's error number of the failed write.
    // The seam through which tests make a write fail part-way (a full disk).
    virtual int writeAll(int descriptor, std::string_view bytes);
};

// The one real file system of the process.
SettingsFileSystem& systemSettingsFileSystem();

} // namespace vantolex
