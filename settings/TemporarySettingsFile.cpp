#include "settings/TemporarySettingsFile.h"

#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <random>
#include <string>

#include "base/Interruption.h"

namespace vantolex {

namespace {

constexpr int nameAttempts = 100;
constexpr std::size_t randomLength = 12;
constexpr long usualNameMax = 255;

// Twelve letters and digits from the system's random source.
std::string randomLetters()
{
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::array<unsigned char, randomLength> bytes {};
    if (::getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
        std::random_device device;
        for (unsigned char& byte : bytes)
            byte = static_cast<unsigned char>(device());
    }
    std::string letters;
    for (unsigned char byte : bytes)
        letters += alphabet[byte % alphabet.size()];
    return letters;
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
    const std::filesystem::path folder = target.parent_path();
    errno = 0;
    long nameMax = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (nameMax < 0 && errno != 0)
        return errno;
    if (nameMax <= 0)
        nameMax = usualNameMax;
    const std::string name = target.filename().string();
    if (name.size() > static_cast<std::size_t>(nameMax))
        return ENAMETOOLONG;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        const std::string suffix = ".tmp-" + randomLetters();
        std::filesystem::path candidate = target;
        candidate.replace_filename(cutName(name, static_cast<std::size_t>(nameMax) - suffix.size()) + suffix);
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
