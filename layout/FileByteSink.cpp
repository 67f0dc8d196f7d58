#include "layout/FileByteSink.h"

#include <cerrno>
#include <utility>

#include "base/WriteFailureReason.h"
#include "layout/Device.h"
#include "layout/OutputFileFailure.h"

namespace vantolex {

namespace {

int resultOfErrno(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return SpoolResult::OutOfDisk;
    if (error == ENOMEM)
        return SpoolResult::OutOfMemory;
    return SpoolResult::Error;
}

constexpr std::size_t bufferBytes = 1 << 16;

} // namespace

FileByteSink::FileByteSink(std::filesystem::path path)
    : m_file(std::move(path))
{
}

int FileByteSink::fail(int error, bool creating)
{
    m_file.discard();
    m_buffer.clear();
    m_open = false;
    m_failure = outputFileFailureText(creating ? OutputFileStage::Create : OutputFileStage::Write, m_file.path(),
                                      writeFailureReason(error));
    return resultOfErrno(error);
}

int FileByteSink::open(std::u16string_view)
{
    m_failure.clear();
    if (const int error = m_file.create())
        return fail(error, true);
    m_buffer.reserve(bufferBytes);
    m_open = true;
    return 1;
}

int FileByteSink::flush()
{
    const int error = m_file.write(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return error ? fail(error, false) : 1;
}

int FileByteSink::write(const unsigned char* data, std::size_t size)
{
    if (!m_open)
        return SpoolResult::Error;
    if (m_buffer.size() + size > bufferBytes) {
        if (const int flushed = flush(); flushed <= 0)
            return flushed;
        if (size >= bufferBytes) {
            const int error = m_file.write(data, size);
            return error ? fail(error, false) : 1;
        }
    }
    m_buffer.insert(m_buffer.end(), data, data + size);
    return 1;
}

int FileByteSink::close()
{
    if (!m_open)
        return SpoolResult::Error;
    if (const int flushed = flush(); flushed <= 0)
        return flushed;
    m_open = false;
    if (const int error = m_file.commit())
        return fail(error, false);
    return 1;
}

void FileByteSink::abandon() noexcept
{
    m_open = false;
    m_buffer.clear();
    m_file.discard();
}

} // namespace vantolex
