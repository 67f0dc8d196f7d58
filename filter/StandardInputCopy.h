// Standard input kept in a temporary file, so that a job that arrives on standard input is read like a job
// file. The file lives in $TMPDIR (the spooler's temporary folder for its filters) or /tmp under a name that
// mkstemp makes, is readable by this user only, and is removed when the copy is destroyed or a signal ends the
// program.
#pragma once

#include <filesystem>
#include <string>

namespace vantolex {

class StandardInputCopy
{
public:
    // Copies all of the descriptor `input` (standard input); raises Error with the system's reason when the
    // temporary file cannot be made or written, or the input cannot be read.
    explicit StandardInputCopy(int input);
    ~StandardInputCopy();
    StandardInputCopy(const StandardInputCopy&) = delete;
    StandardInputCopy& operator=(const StandardInputCopy&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    void remove() noexcept;

    std::filesystem::path m_path;
};

} // namespace vantolex
