// A ByteSink writing one file, under a temporary name beside it until the document is complete: the file of
// that name, if any, is replaced only by a whole document, and stays as it was when the document is abandoned,
// fails or the program is interrupted.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/ReplacementFile.h"
#include "layout/ByteSink.h"

namespace vantolex {

class FileByteSink final : public ByteSink
{
public:
    explicit FileByteSink(std::filesystem::path path);

    // Creates the temporary file; SpoolResult::Error when it cannot be created.
    int open(std::u16string_view jobName) override;
    // SpoolResult::OutOfDisk when the disk is full, SpoolResult::OutOfMemory, SpoolResult::Error for any other
    // failure.
    int write(const unsigned char* data, std::size_t size) override;
    // Puts the complete file in place.
    int close() override;
    // Removes the temporary file.
    void abandon() noexcept override;
    // The path and the system's reason of the last failure.
    std::u16string failureText() const override { return m_failure; }

    const std::filesystem::path& path() const { return m_file.path(); }

private:
    int fail(int error, bool creating);
    int flush();

    ReplacementFile m_file;
    std::vector<unsigned char> m_buffer; // written to the file when full and at close
    bool m_open = false;
    std::u16string m_failure;
};

// Holds the sink of a file device ahead of the device that writes to it (a base class before the device's
// own), so that the sink is made first and destroyed last, after the device has given up its document.
struct FileSinkHolder
{
    explicit FileSinkHolder(const std::filesystem::path& path)
        : fileSink(path)
    {
    }
    FileByteSink fileSink;
};

} // namespace vantolex
