// The checks of an output path that vantolex-print makes before it reads or writes anything: whether the
// output would write over one of the inputs, and whether its folder is there.
#pragma once

#include <filesystem>

namespace vantolex {

// Whether writing `output` would write over the file `input`: the same file on the disk, or the same path
// where either does not exist.
bool isSameFile(const std::filesystem::path& output, const std::filesystem::path& input);

// Whether `input` is named like a page that a PNG output to `output` writes: <stem>-<4 digits or more>.png
// in the same folder.
bool isPngPageOf(const std::filesystem::path& input, const std::filesystem::path& output);

// The system's error when the folder of `path` is missing or is no folder; 0 when it is there.
int folderError(const std::filesystem::path& path);

} // namespace vantolex
