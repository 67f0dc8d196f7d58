#include "base/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "base/Interruption.h"

namespace vantolex {

namespace {

constexpr long usualNameMax = 255;

// The file that a replacement of `path` must land on: the target of a symbolic link, so that the link stays
// a link.
std::filesystem::path replacementTarget(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

// `name` cut to at most `length` bytes without splitting a UTF-8 sequence.
std::string cutName(const std::string& name, std::size_t length)
{
    if (name.size() <= length)
        return name;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    return name.substr(0, length);
}

void syncFolder(const std::filesystem::path& folder)
{
    const FileDescriptor descriptor(openRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (descriptor)
        ::fsync(descriptor.get());
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
    m_target = replacementTarget(m_path);
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

    const std::filesystem::path folder = m_target.parent_path();
    errno = 0;
    long nameMax = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (nameMax < 0 && errno != 0)
        return errno;
    if (nameMax <= 0)
        nameMax = usualNameMax;
    const std::string name = m_target.filename().string();
    if (name.size() > static_cast<std::size_t>(nameMax))
        return ENAMETOOLONG;

    static std::atomic<unsigned> counter { 0 };
    const mode_t mode = exists && S_ISREG(existing.st_mode) ? (existing.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix = ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        std::filesystem::path candidate = m_target;
        candidate.replace_filename(cutName(name, static_cast<std::size_t>(nameMax) - suffix.size()) + suffix);
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
            return error;
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
