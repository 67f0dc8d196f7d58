// A ByteSink writing one file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

#include "layout/device/ByteSink.h"

namespace vantolex {

class FileByteSink final : public ByteSink
{
public:
    explicit FileByteSink(std::filesystem::path path);
    ~FileByteSink() override;

    // Creates (or truncates) the file; SpoolResult::Error when it cannot be created.
    int open(std::u16string_view jobName) override;
    // SpoolResult::OutOfDisk when the disk is full, SpoolResult::Error for any other failure.
    int write(const unsigned char* data, std::size_t size) override;
    int close() override;
    // Closes and removes the unfinished file.
    void abandon() noexcept override;

    const std::filesystem::path& path() const { return m_path; }

private:
    struct FileCloser
    {
        void operator()(std::FILE* file) const noexcept { std::fclose(file); }
    };

    std::filesystem::path m_path;
    std::unique_ptr<std::FILE, FileCloser> m_file;
};

} // namespace vantolex
