#include "input/FileTextSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/Errors.h"
#include "input/FileFailureText.h"
#include "input/InputMessages.h"

namespace vantolex {

FileTextSource::FileTextSource(FileDescriptor file, std::int64_t length, std::unique_ptr<StreamDecoder> decoder,
                               std::filesystem::path path)
    : m_file(std::move(file))
    , m_length(length)
    , m_decoder(std::move(decoder))
    , m_path(std::move(path))
{
    m_decoder->begin(m_length);
}

bool FileTextSource::read(std::u16string& units)
{
    if (m_ended)
        return false;
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(m_length - m_done, pieceBytes));
    m_piece.resize(wanted);
    std::size_t got = 0;
    while (got < wanted) {
        // pread: the position is ours alone, whatever else reads the same open file.
        const ssize_t count
            = ::pread(m_file.get(), m_piece.data() + got, wanted - got, m_done + static_cast<off_t>(got));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw Error(fileFailureText(errno, FileStage::Read, m_path));
        }
        if (count == 0)
            throw Error(std::u16string(inputText::fileReadIncomplete)); // shorter than it was when opened
        got += static_cast<std::size_t>(count);
    }
    m_done += static_cast<std::int64_t>(got);
    m_ended = m_done == m_length;
    m_decoder->decode(std::span<const unsigned char>(m_piece.data(), got), m_ended, units);
    return true;
}

void FileTextSource::rewind()
{
    m_done = 0;
    m_ended = false;
    m_decoder->reset();
}

} // namespace vantolex
