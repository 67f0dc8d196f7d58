// The texts of an output file that cannot be made or written, naming the file and the reason.
#pragma once

#include <filesystem>
#include <string>

namespace vantolex {

enum class OutputFileStage
{
    Create, // making the file
    Write, // writing it, or putting it in place
};

// "出力ファイルを作成できません: PATH\nREASON" or "出力ファイルに書き込めません: PATH\nREASON".
std::u16string outputFileFailureText(OutputFileStage stage, const std::filesystem::path& path,
                                     std::u16string_view reason);

} // namespace vantolex
