// An open POSIX file descriptor, owned: closed on destruction; and opening a file.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vantolex {

class FileDescriptor
{
public:
    // Takes `descriptor`; a negative value holds nothing (a failed open).
    explicit FileDescriptor(int descriptor = -1) noexcept
        : m_descriptor(descriptor)
    {
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : m_descriptor(other.m_descriptor)
    {
        other.m_descriptor = -1;
    }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_descriptor = other.m_descriptor;
            other.m_descriptor = -1;
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    int get() const noexcept { return m_descriptor; }
    explicit operator bool() const noexcept { return m_descriptor >= 0; }

    // Closes now; false when closing reports an error (a delayed write failure on some file systems).
    bool close() noexcept
    {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return descriptor < 0 || ::close(descriptor) == 0;
    }

private:
    void reset() noexcept
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = -1;
    }

    int m_descriptor;
};

// open(2) with O_CLOEXEC, tried again when a signal interrupts it. The descriptor, or -1 with errno set.
inline int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int descriptor;
    do {
        descriptor = ::open(path, flags | O_CLOEXEC, mode);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

} // namespace vantolex
