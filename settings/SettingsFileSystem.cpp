#include "settings/SettingsFileSystem.h"

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileDescriptor.h"

namespace vantolex {

namespace {

int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int descriptor;
    do {
        descriptor = ::open(path, flags | O_CLOEXEC, mode);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

// The file that a replacement of `path` must land on: the target of a symbolic link, so that the link
// stays a link.
std::filesystem::path replacementTarget(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

// A new, empty file beside `target` with a name no other file has, created with the mode of `target` when
// that exists (umask otherwise decides).
struct TemporaryFile
{
    std::filesystem::path path;
    int descriptor = -1;
};

TemporaryFile createTemporaryBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter { 0 };
    struct stat existing
    {
    };
    const bool hasExisting = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const mode_t mode = hasExisting ? (existing.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = target;
        candidate += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int descriptor = openRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (descriptor >= 0) {
            if (hasExisting)
                ::fchmod(descriptor, mode); // umask must not narrow the mode that the file had
            return { candidate, descriptor };
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

void syncDirectory(const std::filesystem::path& directory)
{
    FileDescriptor descriptor(openRetrying(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY));
    if (descriptor)
        ::fsync(descriptor.get());
}

} // namespace

std::optional<std::string> SystemSettingsFileSystem::readFile(const std::filesystem::path& path)
{
    FileDescriptor file(openRetrying(path.c_str(), O_RDONLY));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

bool SystemSettingsFileSystem::writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

bool SystemSettingsFileSystem::replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path target = replacementTarget(path);
    // A file that could not be opened for writing is not replaced either: the rename would get past
    // its permissions.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return false;
    std::error_code error;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);

    TemporaryFile temporary = createTemporaryBeside(target);
    if (temporary.descriptor < 0)
        return false;
    FileDescriptor file(temporary.descriptor);
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    const bool closed = file.close();
    if (!written || !closed || ::rename(temporary.path.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.path.c_str());
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

bool SystemSettingsFileSystem::removeFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

SettingsFileSystem& systemSettingsFileSystem()
{
    static SystemSettingsFileSystem fileSystem;
    return fileSystem;
}

} // namespace vantolex
