#include "layout/device/FileByteSink.h"

#include <cerrno>
#include <system_error>
#include <utility>

#include "layout/device/Device.h"

namespace vantolex {

namespace {

int resultOfErrno(int error)
{
    if (error == ENOSPC || error == EDQUOT) {
        return SpoolResult::OutOfDisk;
    }
    if (error == ENOMEM) {
        return SpoolResult::OutOfMemory;
    }
    return SpoolResult::Error;
}

} // namespace

FileByteSink::FileByteSink(std::filesystem::path path)
    : m_path(std::move(path))
{
}

FileByteSink::~FileByteSink()
{
    if (m_file) {
        abandon();
    }
}

int FileByteSink::open(std::u16string_view)
{
    m_file.reset(std::fopen(m_path.c_str(), "wb"));
    return m_file ? 1 : SpoolResult::Error;
}

int FileByteSink::write(const unsigned char* data, std::size_t size)
{
    if (!m_file) {
        return SpoolResult::Error;
    }
    errno = 0;
    if (std::fwrite(data, 1, size, m_file.get()) != size) {
        return resultOfErrno(errno);
    }
    return 1;
}

int FileByteSink::close()
{
    if (!m_file) {
        return SpoolResult::Error;
    }
    errno = 0;
    const bool flushed = std::fflush(m_file.get()) == 0;
    const int flushError = errno;
    std::FILE* file = m_file.release();
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        return resultOfErrno(flushed ? errno : flushError);
    }
    return 1;
}

void FileByteSink::abandon() noexcept
{
    if (m_file) {
        m_file.reset();
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
}

} // namespace vantolex
