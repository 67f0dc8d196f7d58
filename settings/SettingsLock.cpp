#include "settings/SettingsLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "base/Errors.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "settings/SettingsMessages.h"

namespace vantolex {

namespace {

constexpr std::chrono::milliseconds pollInterval { 20 };

std::u16string shownPath(const std::filesystem::path& path)
{
    return fromUtf8(path.string());
}

[[noreturn]] void failWith(const std::filesystem::path& lockPath, std::u16string_view reason)
{
    const std::u16string path = shownPath(lockPath);
    throw Error(formatText(settingsText::lockNotTaken, { std::u16string_view(path), reason }));
}

[[noreturn]] void failWithError(const std::filesystem::path& lockPath, int error)
{
    failWith(lockPath, writeFailureReason(error));
}

} // namespace

SettingsLock::SettingsLock(const std::filesystem::path& resolvedFile, std::chrono::milliseconds timeout)
{
    const std::filesystem::path path = settingsLockPath(resolvedFile);
    std::error_code ignored; // a folder that cannot be made fails the open below with its reason
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ignored);
    // O_NONBLOCK: a FIFO planted under the lock file's name must not hold the program at the open.
    FileDescriptor file(openRetrying(path.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_NONBLOCK, 0666));
    if (!file)
        failWithError(path, errno);
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        failWithError(path, errno);
    if (!S_ISREG(status.st_mode))
        failWith(path, settingsText::reasonNotRegularFile);

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            break;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK)
            failWithError(path, error);
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::u16string shown = shownPath(path);
            const int seconds = static_cast<int>(std::chrono::ceil<std::chrono::seconds>(timeout).count());
            throw Error(formatText(settingsText::lockBusy, { std::u16string_view(shown), seconds }));
        }
        std::this_thread::sleep_for(pollInterval);
    }
    m_file = std::move(file);
}

std::filesystem::path resolvedSettingsPath(const std::filesystem::path& settingsFile)
{
    // As many links as the system itself follows in one path.
    constexpr int linkLimit = 40;
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(settingsFile, error);
    if (error)
        path = settingsFile;
    for (int link = 0; link < linkLimit; ++link) {
        // The folders' links; a link as the last part is resolved here even when its target does not exist yet.
        std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (error)
            return path;
        path = std::move(resolved);
        if (!std::filesystem::is_symlink(path, error))
            return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

std::filesystem::path settingsLockPath(const std::filesystem::path& resolvedFile)
{
    std::filesystem::path path = resolvedFile;
    path += ".lock";
    return path;
}

} // namespace vantolex
