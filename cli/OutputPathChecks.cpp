#include "cli/OutputPathChecks.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace vantolex {

namespace {

// A path as it can be compared with another: without symbolic links, "." and ".." where it exists.
std::filesystem::path comparablePath(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path result = std::filesystem::weakly_canonical(path, error);
    if (error)
        result = std::filesystem::absolute(path, error).lexically_normal();
    return result;
}

} // namespace

bool isSameFile(const std::filesystem::path& output, const std::filesystem::path& input)
{
    struct stat outputStatus = {};
    struct stat inputStatus = {};
    if (::stat(output.c_str(), &outputStatus) == 0 && ::stat(input.c_str(), &inputStatus) == 0)
        return outputStatus.st_dev == inputStatus.st_dev && outputStatus.st_ino == inputStatus.st_ino;
    return comparablePath(output) == comparablePath(input);
}

bool isPngPageOf(const std::filesystem::path& input, const std::filesystem::path& output)
{
    const std::filesystem::path page = comparablePath(input);
    const std::filesystem::path target = comparablePath(output);
    const std::string name = page.filename().string();
    const std::string prefix = target.stem().string() + "-";
    if (page.parent_path() != target.parent_path() || !name.starts_with(prefix) || !name.ends_with(".png"))
        return false;
    const std::string number = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    return number.size() >= 4 && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int folderError(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.parent_path();
    struct stat status = {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &status) != 0)
        return errno;
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

} // namespace vantolex
