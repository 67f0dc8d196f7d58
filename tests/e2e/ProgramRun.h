// Runs a program as a child process and collects what it wrote.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantolex {

struct ProgramResult
{
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out; // standard output
    std::string err; // standard error
};

// Runs `program` (a path, or a name looked up in PATH) with `arguments`, standard input from /dev/null and its
// two output streams captured through files in `scratch`, and waits for it.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& scratch);

// The whole content of a file.
std::string readFile(const std::filesystem::path& path);

} // namespace vantolex
