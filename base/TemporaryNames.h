// Names for the temporary file beside a file that is replaced whole, that nobody can guess beforehand (as mkstemp
// makes them), and the folder's part in the replacement.
#pragma once

#include <cstddef>
#include <filesystem>

namespace vantolex {

// The longest file name that the folder of `target` takes, in `nameMax`: 0, or the system's error number
// (ENAMETOOLONG when the name of `target` itself is longer).
int temporaryNameLimit(const std::filesystem::path& target, std::size_t& nameMax);

// A new name beside `target` in `name`: its file name, cut at a character boundary so that the whole stays within
// `nameMax` bytes, then ".tmp-" and `letters` random letters and digits from the kernel. 0, or the system's error
// number.
int temporaryNameBeside(const std::filesystem::path& target, std::size_t nameMax, std::size_t letters,
                        std::filesystem::path& name);

// Flushes the entries of `folder` (the current one when empty) to the disk, after a rename into it.
void syncFolder(const std::filesystem::path& folder);

} // namespace vantolex
