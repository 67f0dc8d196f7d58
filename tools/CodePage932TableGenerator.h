// Turns Microsoft's best-fit table for code page 932 into the C++ data of input/CodePage932Table.cpp.
#pragma once

#include <istream>
#include <string>

namespace vantolex::tools {

// The complete text of input/CodePage932Table.cpp for the table read from `bestFitTable` (the format of
// data/cp932/bestfit932.txt). Throws std::runtime_error naming the line when the table is malformed or
// its counts disagree with its records.
std::string generateCodePage932Table(std::istream& bestFitTable);

} // namespace vantolex::tools
