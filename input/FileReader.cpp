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
#include "input/FileTextSource.h"
#include "input/InputMessages.h"

namespace vantolex {
namespace {

[[noreturn]] void raise(std::u16string_view text)
{
    throw Error(std::u16string(text));
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
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
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
    // The file stays open while it is read, so that a second pass reads the same file even when its name has
    // gone to another one meanwhile.
    setSource(std::make_unique<FileTextSource>(std::move(file), length, decoder.streamDecoder(), path), true);
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
