// The texts of file-layer failures, each naming the failure and the file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantolex {

enum class FileStage
{
    Open, // opening or measuring the file
    Read, // reading its content
};

// `sentence` (one of the file-layer failures of InputMessages.h) with the file's path on the next line.
std::u16string fileFailureText(std::u16string_view sentence, const std::filesystem::path& path);

// The Japanese text for the system error number `errorNumber` met at `stage` on the file at `path`.
std::u16string fileFailureText(int errorNumber, FileStage stage, const std::filesystem::path& path);

} // namespace vantolex
