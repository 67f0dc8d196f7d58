// The new content of a settings file while it is written: a file of an unpredictable name beside the target,
// renamed onto it only when it is complete, removed otherwise.
#pragma once

#include <sys/types.h>

#include <filesystem>

#include "base/FileDescriptor.h"

namespace vantolex {

class TemporarySettingsFile
{
public:
    TemporarySettingsFile() = default;
    TemporarySettingsFile(const TemporarySettingsFile&) = delete;
    TemporarySettingsFile& operator=(const TemporarySettingsFile&) = delete;
    // Removes the file unless it was renamed into place.
    ~TemporarySettingsFile();

    // Creates the file, empty and with `mode`, beside `target` under the target's name followed by ".tmp-" and
    // twelve random letters and digits (the name cut so that it fits the folder), as mkstemp does; a name that
    // is taken is drawn anew. A signal that ends the program removes it (Interruption.h). 0 or the system's error
    // number.
    int create(const std::filesystem::path& target, mode_t mode);

    // The open file, after create().
    int descriptor() const noexcept { return m_file.get(); }

    // Flushes the file to the disk, closes it, renames it onto the target and flushes the folder. 0 or the
    // system's error number; on failure the file is removed with the object and the target is untouched.
    int commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
    FileDescriptor m_file;
};

} // namespace vantolex
