#include "filter/StandardInputCopy.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "base/Errors.h"
#include "base/FileDescriptor.h"
#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "base/WriteFailureReason.h"
#include "filter/FilterMessages.h"

namespace vantolex {

namespace {

[[noreturn]] void fail(int error)
{
    const std::u16string reason = writeFailureReason(error);
    throw Error(formatText(filterText::standardInputNotKept, { std::u16string_view(reason) }));
}

bool writeAll(int descriptor, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

StandardInputCopy::StandardInputCopy(int input)
{
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/vantolex-texttopdf-XXXXXX";
    FileDescriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!file)
        fail(errno);
    m_path = pattern;
    registerTemporaryFile(pattern);
    try {
        std::vector<char> chunk(1 << 16);
        while (true) {
            const ssize_t got = ::read(input, chunk.data(), chunk.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                fail(errno);
            if (got == 0)
                break;
            if (!writeAll(file.get(), chunk.data(), static_cast<std::size_t>(got)))
                fail(errno == 0 ? ENOSPC : errno);
        }
        if (!file.close())
            fail(errno);
    } catch (...) {
        remove();
        throw;
    }
}

StandardInputCopy::~StandardInputCopy()
{
    remove();
}

void StandardInputCopy::remove() noexcept
{
    ::unlink(m_path.c_str());
    forgetTemporaryFile(m_path.native());
}

} // namespace vantolex
