#include "gui/main/CommandLineFiles.h"

#include <filesystem>
#include <system_error>

namespace vantolex {

std::vector<std::string> commandLineFiles(std::span<const std::string> arguments)
{
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument.empty() || argument.front() == '-')
            continue;
        std::error_code failure;
        const std::filesystem::file_status status = std::filesystem::status(argument, failure);
        if (failure || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
            continue;
        files.push_back(argument);
    }
    return files;
}

} // namespace vantolex
