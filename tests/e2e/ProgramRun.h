// Runs a program as a child process and collects what it wrote.
#pragma once

#include <sys/types.h>

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

// A program started with `arguments`, standard input from /dev/null and its two output streams captured through
// files in `scratch` whose names begin with `name`; waited for by wait().
class StartedProgram
{
public:
    StartedProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& scratch, const std::string& name = "program");
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    pid_t pid() const { return m_pid; }
    ProgramResult wait();

private:
    pid_t m_pid = -1;
    std::filesystem::path m_outPath;
    std::filesystem::path m_errPath;
};

// Runs `program` (a path, or a name looked up in PATH) as a StartedProgram and waits for it.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& scratch);

// The whole content of a file.
std::string readFile(const std::filesystem::path& path);

} // namespace vantolex
