#include "cli/StandardInputReader.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "base/Errors.h"
#include "base/FileDescriptor.h"
#include "cli/CliMessages.h"
#include "input/FileTextSource.h"
#include "input/InputMessages.h"

namespace vantolex {

namespace {

// A file without a name in the temporary folder: gone with its descriptor, however the program ends.
FileDescriptor anonymousTemporaryFile()
{
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ignored);
    if (folder.empty())
        folder = "/tmp";
    FileDescriptor file(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600));
    if (file)
        return file;
    // A file system without unnamed files: a file of an unpredictable name, unlinked at once.
    std::string pattern = (folder / "vantolex-stdin-XXXXXX").string();
    file = FileDescriptor(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file)
        ::unlink(pattern.c_str());
    return file;
}

bool writeAll(int descriptor, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t count = ::write(descriptor, bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

StandardInputReader::StandardInputReader(std::istream& in, const Encoding& decoder, std::int64_t limit)
{
    FileDescriptor spool = anonymousTemporaryFile();
    if (!spool)
        throw Error(std::u16string(cliText::standardInputFailed));
    std::int64_t length = 0;
    std::vector<char> chunk(1 << 16);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        const auto count = static_cast<std::size_t>(in.gcount());
        length += static_cast<std::int64_t>(count);
        if (length > limit)
            throw Error(std::u16string(inputText::fileTooLarge)); // before it grows any further
        if (!writeAll(spool.get(), chunk.data(), count))
            throw Error(std::u16string(cliText::standardInputFailed));
    }
    if (in.bad())
        throw Error(std::u16string(cliText::standardInputFailed));
    setSource(std::make_unique<FileTextSource>(std::move(spool), length, decoder.streamDecoder(), "-"), true);
}

std::u16string StandardInputReader::title() const
{
    return std::u16string(cliText::standardInputTitle);
}

} // namespace vantolex
