// The note that a file about to be read as Shift JIS looks like UTF-8.
#pragma once

#include <string>
#include <vector>

namespace vantolex {

// For each of `files` (paths as given; "-" is skipped) whose start is non-ASCII, well-formed UTF-8, the one-line
// note suggesting -e utf8, in the order of the files. Call it only when the files are to be read as Shift JIS because
// no encoding was given. Reads at most the first 64 KiB of each file; a file that cannot be read says nothing here (the
// reader reports it).
std::vector<std::u16string> utf8Hints(const std::vector<std::string>& files);

} // namespace vantolex
