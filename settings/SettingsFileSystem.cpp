#include "settings/SettingsFileSystem.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileDescriptor.h"
#include "base/ReplacementFile.h"

namespace vantolex {

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

int SystemSettingsFileSystem::replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code ignored; // a folder that cannot be made fails the creation below with its reason
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ignored);
    ReplacementFile file(path);
    if (const int error = file.create())
        return error;
    if (const int error = writeAll(file.descriptor(), bytes))
        return error;
    return file.commit(ReplacementFile::Durability::Synced);
}

bool SystemSettingsFileSystem::removeFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

bool SystemSettingsFileSystem::exists(const std::filesystem::path& path)
{
    struct stat status = {};
    return ::stat(path.c_str(), &status) == 0;
}

SettingsFileSystem& systemSettingsFileSystem()
{
    static SystemSettingsFileSystem fileSystem;
    return fileSystem;
}

} // namespace vantolex
