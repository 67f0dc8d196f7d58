#include "e2e/ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace vantolex {

namespace {

struct FileActions
{
    FileActions() { posix_spawn_file_actions_init(&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t actions;
};

} // namespace

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    if (file)
        content << file.rdbuf();
    return content.str();
}

StartedProgram::StartedProgram(const std::string& program, const std::vector<std::string>& arguments,
                               const std::filesystem::path& scratch, const std::string& name)
    : m_outPath(scratch / (name + ".out"))
    , m_errPath(scratch / (name + ".err"))
{
    FileActions files;
    posix_spawn_file_actions_addopen(&files.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files.actions, 1, m_outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files.actions, 2, m_errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> words { program };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    if (const int failure = posix_spawnp(&m_pid, program.c_str(), &files.actions, nullptr, argv.data(), environ))
        throw std::runtime_error("cannot start " + program + ": error " + std::to_string(failure));
}

StartedProgram::~StartedProgram()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        int ignored = 0;
        ::waitpid(m_pid, &ignored, 0);
    }
}

ProgramResult StartedProgram::wait()
{
    int waitStatus = 0;
    while (waitpid(m_pid, &waitStatus, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("cannot wait for a program");
    }
    m_pid = -1;
    ProgramResult result;
    result.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    result.out = readFile(m_outPath);
    result.err = readFile(m_errPath);
    return result;
}

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& scratch)
{
    return StartedProgram(program, arguments, scratch).wait();
}

} // namespace vantolex
