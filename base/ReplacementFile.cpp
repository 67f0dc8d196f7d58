#include "base/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "base/Interruption.h"
#include "base/TemporaryNames.h"

namespace vantolex {

namespace {

constexpr int maxLinkHops = 40; // as many as the kernel follows in one path
constexpr int maxNameAttempts = 100;
constexpr std::size_t randomLetters = 10;

// Whether the kernel's rule for links in shared folders (fs.protected_symlinks) lets this process follow a link
// owned by `linkOwner` in a folder of status `folder`: not in a sticky world-writable folder (/tmp) when the
// link belongs to neither the folder's owner nor the user.
bool kernelFollows(uid_t linkOwner, const struct stat& folder)
{
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || linkOwner == ::geteuid() || linkOwner == folder.st_uid;
}

// The file that a replacement of `path` must land on: the target of a symbolic link, so that the link stays
// a link. The rename that puts the file in place does not follow links, so the links are followed here, one
// by one, and only where the kernel would follow them itself: a link that another user planted in a shared
// folder is refused (EACCES, the kernel's own answer), whatever the system's setting. The folders on the way
// are the kernel's to resolve.
int replacementTarget(const std::filesystem::path& path, std::filesystem::path& target)
{
    target = path;
    for (int hop = 0;; ++hop) {
        struct stat link = {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return 0; // a file, or nothing yet: what is wrong with it shows when it is made
        if (hop == maxLinkHops)
            return ELOOP;
        const std::filesystem::path folder = target.parent_path();
        struct stat folderStatus = {};
        if (::stat(folder.empty() ? "." : folder.c_str(), &folderStatus) != 0)
            return errno;
        if (!kernelFollows(link.st_uid, folderStatus))
            return EACCES;
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error)
            return error.value();
        target = next.is_absolute() || folder.empty() ? next : folder / next;
    }
}

} // namespace

ReplacementFile::ReplacementFile(std::filesystem::path path)
    : m_path(std::move(path))
{
}

ReplacementFile::~ReplacementFile()
{
    discard();
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_path(std::move(other.m_path))
    , m_target(std::move(other.m_target))
    , m_temporaryPath(std::exchange(other.m_temporaryPath, {}))
    , m_file(std::move(other.m_file))
    , m_direct(other.m_direct)
{
}

ReplacementFile& ReplacementFile::operator=(ReplacementFile&& other) noexcept
{
    if (this != &other) {
        discard();
        m_path = std::move(other.m_path);
        m_target = std::move(other.m_target);
        m_temporaryPath = std::exchange(other.m_temporaryPath, {});
        m_file = std::move(other.m_file);
        m_direct = other.m_direct;
    }
    return *this;
}

int ReplacementFile::create()
{
    discard();
    m_direct = false;
    if (const int error = replacementTarget(m_path, m_target))
        return error;
    struct stat existing = {};
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(existing.st_mode)) {
        // A device or a pipe is written as it is: a rename would put a plain file in its place.
        const int descriptor = openRetrying(m_target.c_str(), O_WRONLY | O_NOCTTY);
        if (descriptor < 0)
            return errno;
        m_file = FileDescriptor(descriptor);
        m_direct = true;
        return 0;
    }
    // A file that could not be opened for writing is not replaced either: the rename would get past its
    // permissions.
    if (exists && ::access(m_target.c_str(), W_OK) != 0)
        return errno;

    std::size_t nameMax = 0;
    if (const int error = temporaryNameLimit(m_target, nameMax))
        return error;

    const mode_t mode = exists && S_ISREG(existing.st_mode) ? (existing.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < maxNameAttempts; ++attempt) {
        std::filesystem::path candidate;
        if (const int error = temporaryNameBeside(m_target, nameMax, randomLetters, candidate))
            return error;
        // Registered before it exists, so that no signal can leave it behind.
        registerTemporaryFile(candidate.native());
        const int descriptor = openRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (descriptor >= 0) {
            m_temporaryPath = std::move(candidate);
            m_file = FileDescriptor(descriptor);
            if (exists)
                ::fchmod(descriptor, mode); // the umask must not narrow the mode that the file had
            return 0;
        }
        const int error = errno;
        forgetTemporaryFile(candidate.native());
        if (error != EEXIST)
            return error; // a name taken meanwhile is the only reason to try another
    }
    return EEXIST;
}

int ReplacementFile::write(const void* data, std::size_t size)
{
    if (!m_file)
        return EBADF;
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t count = ::write(m_file.get(), bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        if (count == 0)
            return EIO;
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return 0;
}

int ReplacementFile::finishWriting(Durability durability)
{
    if (!m_file)
        return m_temporaryPath.empty() && !m_direct ? EBADF : 0;
    if (m_direct)
        durability = Durability::Written;
    if (durability == Durability::Synced && ::fsync(m_file.get()) != 0) {
        const int error = errno;
        m_file.close();
        return error;
    }
    errno = 0;
    if (!m_file.close())
        return errno != 0 ? errno : EIO;
    return 0;
}

int ReplacementFile::commit(Durability durability)
{
    if (m_direct)
        return m_file ? finishWriting(Durability::Written) : 0;
    if (m_temporaryPath.empty())
        return EBADF;
    if (const int error = finishWriting(durability))
        return error;
    if (::rename(m_temporaryPath.c_str(), m_target.c_str()) != 0)
        return errno;
    forgetTemporaryFile(m_temporaryPath.native());
    m_temporaryPath.clear();
    if (durability == Durability::Synced)
        syncFolder(m_target.parent_path());
    return 0;
}

void ReplacementFile::discard() noexcept
{
    m_file.close();
    if (m_temporaryPath.empty())
        return;
    ::unlink(m_temporaryPath.c_str());
    forgetTemporaryFile(m_temporaryPath.native());
    m_temporaryPath.clear();
}

} // namespace vantolex
