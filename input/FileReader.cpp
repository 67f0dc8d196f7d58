#include "input/FileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/Errors.h"
#include "base/FileDescriptor.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "input/FileFailureText.h"
#include "input/InputMessages.h"

namespace vantolex {
namespace {

[[noreturn]] void raise(std::u16string_view text)
{
    throw Error(std::u16string(text));
}

// Reads up to `length` bytes; the kernel hands out at most about 2 GB per call, so large files take more
// than one call. Returns the number of bytes read, fewer at the end of the file.
std::size_t readAll(int descriptor, unsigned char* bytes, std::size_t length, const std::filesystem::path& path)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count = ::read(descriptor, bytes + done, length - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw Error(fileFailureText(errno, FileStage::Read, path));
        }
        if (count == 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    return done;
}

} // namespace

void checkFileLength(std::int64_t length)
{
    if (length > maxFileLength)
        raise(inputText::fileTooLarge);
}

FileReader::FileReader(const std::filesystem::path& path, const Encoding& decoder)
{
    // Non-blocking so that opening a named pipe does not wait for a writer; reads of a regular file are
    // not affected.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0)
        throw Error(fileFailureText(errno, FileStage::Open, path));
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        throw Error(fileFailureText(errno, FileStage::Open, path));
    if (S_ISDIR(status.st_mode))
        throw Error(fileFailureText(EISDIR, FileStage::Open, path));
    if (!S_ISREG(status.st_mode))
        throw Error(fileFailureText(inputText::fileNotRegular, path));

    std::error_code ignored;
    m_path = std::filesystem::absolute(path, ignored).lexically_normal();

    const std::int64_t length = status.st_size;
    checkFileLength(length);
    TextBuffer buffer = allocateTextBuffer(static_cast<std::size_t>(length));
    const std::size_t read = readAll(file.get(), byteData(buffer), static_cast<std::size_t>(length), path);
    if (read != static_cast<std::size_t>(length))
        raise(inputText::fileReadIncomplete);
    setEncodedText(std::move(buffer), static_cast<int>(length), decoder);
}

std::u16string FileReader::title() const
{
    return fromUtf8(m_path.string());
}

std::unique_ptr<FileReader> createFileReader(const std::filesystem::path& path, EncodingIndex index)
{
    const std::unique_ptr<Encoding> decoder = createEncoding(index);
    if (!decoder)
        return nullptr;
    return std::make_unique<FileReader>(path, *decoder);
}

} // namespace vantolex
