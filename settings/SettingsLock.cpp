#include "settings/SettingsLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <system_error>

namespace vantolex {

SettingsLock::SettingsLock(const std::filesystem::path& settingsFile)
{
    const std::filesystem::path path = settingsLockPath(settingsFile);
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    FileDescriptor file(openRetrying(path.c_str(), O_RDWR | O_CREAT, 0666));
    if (!file)
        return;
    int locked;
    do {
        locked = ::flock(file.get(), LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0)
        m_file = std::move(file);
}

std::filesystem::path settingsLockPath(const std::filesystem::path& settingsFile)
{
    std::filesystem::path path = settingsFile;
    path += ".lock";
    return path;
}

} // namespace vantolex
