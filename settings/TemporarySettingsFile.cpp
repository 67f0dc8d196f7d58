#include "settings/TemporarySettingsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/Interruption.h"
#include "base/TemporaryNames.h"

namespace vantolex {

namespace {

constexpr int nameAttempts = 100;
constexpr std::size_t randomLength = 12;

} // namespace

TemporarySettingsFile::~TemporarySettingsFile()
{
    m_file.close();
    if (m_path.empty())
        return;
    ::unlink(m_path.c_str());
    forgetTemporaryFile(m_path.native());
}

int TemporarySettingsFile::create(const std::filesystem::path& target, mode_t mode)
{
    m_target = target;
    std::size_t nameMax = 0;
    if (const int error = temporaryNameLimit(target, nameMax))
        return error;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        std::filesystem::path candidate;
        if (const int error = temporaryNameBeside(target, nameMax, randomLength, candidate))
            return error;
        // Registered before it exists, so that no signal can leave it behind.
        registerTemporaryFile(candidate.native());
        const int descriptor = openRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
        if (descriptor >= 0) {
            m_path = std::move(candidate);
            m_file = FileDescriptor(descriptor);
            return 0;
        }
        const int error = errno;
        forgetTemporaryFile(candidate.native());
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

int TemporarySettingsFile::commit()
{
    if (!m_file)
        return EBADF;
    if (::fsync(m_file.get()) != 0)
        return errno;
    errno = 0;
    if (!m_file.close())
        return errno != 0 ? errno : EIO;
    if (::rename(m_path.c_str(), m_target.c_str()) != 0)
        return errno;
    forgetTemporaryFile(m_path.native());
    m_path.clear();
    syncFolder(m_target.parent_path());
    return 0;
}

} // namespace vantolex
