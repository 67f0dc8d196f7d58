// One entry of the list of files printed one after another.
#pragma once

#include <filesystem>

#include "input/EncodingIndex.h"

namespace vantolex {

struct FileEntry
{
    std::filesystem::path path; // the full path of the file
    EncodingIndex encodingIndex = 0; // its encoding; one that names no decoder ends the text there
};

} // namespace vantolex
