#include "base/TemporaryNames.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileDescriptor.h"

namespace vantolex {

namespace {

constexpr long usualNameMax = 255;

// `name` cut to at most `length` bytes without splitting a UTF-8 sequence.
std::string cutName(const std::string& name, std::size_t length)
{
    if (name.size() <= length)
        return name;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    return name.substr(0, length);
}

} // namespace

int temporaryNameLimit(const std::filesystem::path& target, std::size_t& nameMax)
{
    const std::filesystem::path folder = target.parent_path();
    errno = 0;
    long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (limit < 0 && errno != 0)
        return errno;
    if (limit <= 0)
        limit = usualNameMax;
    nameMax = static_cast<std::size_t>(limit);
    return target.filename().string().size() > nameMax ? ENAMETOOLONG : 0;
}

int temporaryNameBeside(const std::filesystem::path& target, std::size_t nameMax, std::size_t letters,
                        std::filesystem::path& name)
{
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::vector<unsigned char> bytes(letters);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::getrandom(bytes.data() + got, bytes.size() - got, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        got += static_cast<std::size_t>(count);
    }
    std::string suffix = ".tmp-";
    for (const unsigned char byte : bytes)
        suffix += alphabet[byte % alphabet.size()];
    name = target;
    name.replace_filename(cutName(target.filename().string(), nameMax - suffix.size()) + suffix);
    return 0;
}

void syncFolder(const std::filesystem::path& folder)
{
    const FileDescriptor descriptor(openRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (descriptor)
        ::fsync(descriptor.get());
}

} // namespace vantolex
