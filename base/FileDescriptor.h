// An open POSIX file descriptor, owned: closed on destruction.
#pragma once

#include <unistd.h>

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

} // namespace vantolex
