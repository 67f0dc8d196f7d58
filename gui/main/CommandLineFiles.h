// The files named on the command line of the dialog program.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace vantolex {

// Every argument (after the program's name) that names an existing file, unchanged and in order; the same
// file named twice is listed twice. An argument beginning with "-" is an option: every option is ignored and
// none is defined. A path beginning with "/" is a path. Arguments naming a directory or nothing are dropped
// without a word; relative paths stay relative to the working directory.
std::vector<std::string> commandLineFiles(std::span<const std::string> arguments);

} // namespace vantolex
