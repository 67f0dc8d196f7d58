// The texts of file-layer failures, each naming the failure and the file.
#pragma once

#include <filesystem>
#include <string>

namespace vantolex {

enum class FileStage
{
    Open, // opening or measuring the file
    Read, // reading its content
};

// The Japanese text for the system error number `errorNumber` met at `stage` on the file at `path`.
std::u16string fileFailureText(int errorNumber, FileStage stage, const std::filesystem::path& path);

} // namespace vantolex
