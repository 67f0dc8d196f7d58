#include "settings/SettingsFileSystem.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileDescriptor.h"
#include "settings/TemporarySettingsFile.h"

namespace vantolex {

namespace {

SettingsFileRead failedRead(int error)
{
    SettingsFileRead read;
    read.status = error == ENOENT ? SettingsFileRead::Status::Missing : SettingsFileRead::Status::Failed;
    read.error = error;
    return read;
}

SettingsFileRead readOf(SettingsFileRead::Status status)
{
    SettingsFileRead read;
    read.status = status;
    return read;
}

// Reads at most `limit` bytes; one more means the file is too large. A negative result is the error number.
int readUpTo(int descriptor, std::string& bytes, std::size_t limit)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return -errno;
        if (count == 0)
            return 0;
        if (bytes.size() + static_cast<std::size_t>(count) > limit)
            return 1;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

// Copies the file at `path` to the new file `backup`, for file systems without hard links.
int copyFile(const std::filesystem::path& path, const std::filesystem::path& backup)
{
    const FileDescriptor source(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!source)
        return errno;
    struct stat status = {};
    if (::fstat(source.get(), &status) != 0)
        return errno;
    if (!S_ISREG(status.st_mode))
        return EINVAL;
    FileDescriptor copy(openRetrying(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, status.st_mode & 0777));
    if (!copy)
        return errno;
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t count = ::read(source.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            error = count < 0 ? errno : 0;
            break;
        }
        for (ssize_t done = 0; done < count && error == 0;) {
            const ssize_t written = ::write(copy.get(), buffer + done, static_cast<std::size_t>(count - done));
            if (written < 0 && errno == EINTR)
                continue;
            error = written < 0 ? errno : (written == 0 ? ENOSPC : 0);
            done += written > 0 ? written : 0;
        }
        if (error != 0)
            break;
    }
    if (error == 0 && ::fsync(copy.get()) != 0)
        error = errno;
    if (!copy.close() && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error != 0)
        ::unlink(backup.c_str());
    return error;
}

} // namespace

SettingsFileRead SystemSettingsFileSystem::readFile(const std::filesystem::path& path)
{
    // O_NONBLOCK: a FIFO in the place of the file must not hold the program at the open.
    const FileDescriptor file(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!file)
        return failedRead(errno);
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        return failedRead(errno);
    if (S_ISDIR(status.st_mode))
        return failedRead(EISDIR);
    if (!S_ISREG(status.st_mode))
        return readOf(SettingsFileRead::Status::NotRegular);
    if (status.st_size > static_cast<off_t>(settingsFileSizeLimit))
        return readOf(SettingsFileRead::Status::TooLarge);
    SettingsFileRead read = readOf(SettingsFileRead::Status::Read);
    read.bytes.reserve(static_cast<std::size_t>(status.st_size));
    const int result = readUpTo(file.get(), read.bytes, settingsFileSizeLimit);
    if (result < 0)
        return failedRead(-result);
    if (result > 0)
        return readOf(SettingsFileRead::Status::TooLarge); // it grew while it was read
    return read;
}

int SystemSettingsFileSystem::writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return ENOSPC; // nothing taken and no error: the file cannot grow
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return 0;
}

int SystemSettingsFileSystem::replaceFile(const std::filesystem::path& given, std::string_view bytes)
{
    // Through a symbolic link its target is replaced: the link stays a link.
    const std::filesystem::path path = resolvedSettingsPath(given);
    std::error_code ignored; // a folder that cannot be made fails the creation below with its reason
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ignored);
    struct stat existing = {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(existing.st_mode))
        return EINVAL; // a link, a pipe or a device is never replaced by a plain file
    // A file that could not be opened for writing is not replaced either: the rename would get past its
    // permissions.
    if (exists && ::access(path.c_str(), W_OK) != 0)
        return errno;
    const mode_t mode = exists ? (existing.st_mode & 07777) : 0666;
    TemporarySettingsFile file;
    if (const int error = file.create(path, mode))
        return error;
    if (exists)
        ::fchmod(file.descriptor(), mode); // the umask must not narrow the mode that the file had
    if (const int error = writeAll(file.descriptor(), bytes))
        return error;
    return file.commit();
}

bool SystemSettingsFileSystem::removeFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

int SystemSettingsFileSystem::keepAs(const std::filesystem::path& path, const std::filesystem::path& backup)
{
    if (::link(path.c_str(), backup.c_str()) == 0)
        return 0;
    const int error = errno;
    if (error == EPERM || error == EMLINK || error == ENOTSUP || error == EXDEV)
        return copyFile(path, backup);
    return error;
}

SettingsFileSystem& systemSettingsFileSystem()
{
    static SystemSettingsFileSystem fileSystem;
    return fileSystem;
}

} // namespace vantolex
