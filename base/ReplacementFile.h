// A file written under a temporary name beside its final path and put in place by one rename.
//
// Until commit() the file of the final name, if any, stays exactly as it was; a ReplacementFile destroyed
// without commit, and a signal that ends the program (Interruption.h), remove the temporary file, whose name
// nobody can guess beforehand. A final path that is a symbolic link keeps the link: its target is replaced,
// unless the kernel would not follow that link (one that another user planted in a sticky world-writable folder
// such as /tmp): that is refused with EACCES. The new file gets the mode of the file it replaces, or the usual
// mode of a new file. A final path that is a device or a pipe is written directly.
//
// The operations return 0 on success and the system's error number (errno) of a failure.
#pragma once

#include <cstddef>
#include <filesystem>

#include "base/FileDescriptor.h"

namespace vantolex {

class ReplacementFile
{
public:
    enum class Durability
    {
        Written, // the data is handed to the system: safe when the program fails
        Synced, // the data and the rename are flushed to the disk: safe when the machine fails
    };

    explicit ReplacementFile(std::filesystem::path path);
    ~ReplacementFile();
    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&& other) noexcept;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file, empty. Refuses what could not be replaced: a final path that is a folder
    // (EISDIR), an existing file that may not be written or a link that may not be followed (EACCES), a name
    // longer than its folder allows (ENAMETOOLONG).
    int create();

    // Appends all of `size` bytes.
    int write(const void* data, std::size_t size);

    // Ends the writing and closes the temporary file; it stays until commit or destruction.
    int finishWriting(Durability durability = Durability::Written);

    // Ends the writing when that has not been done, then renames the temporary file onto the final path.
    int commit(Durability durability = Durability::Written);

    // Removes the temporary file now.
    void discard() noexcept;

    // The path as given.
    const std::filesystem::path& path() const noexcept { return m_path; }
    // The open temporary file, between create() and finishWriting().
    int descriptor() const noexcept { return m_file.get(); }

private:
    std::filesystem::path m_path;
    std::filesystem::path m_target; // the file that the rename lands on
    std::filesystem::path m_temporaryPath;
    FileDescriptor m_file;
    bool m_direct = false; // a device or a pipe, written without a temporary file
};

} // namespace vantolex
