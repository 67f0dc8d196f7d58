// The decoded text of an open file, read and decoded a piece at a time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/FileDescriptor.h"
#include "input/StreamDecoder.h"
#include "input/TextSource.h"

namespace vantolex {

class FileTextSource final : public TextSource
{
public:
    // Reads the first `length` bytes of `file` from its start (the rest, if it has grown, is not read) and
    // decodes them with `decoder`; `path` names the file in messages. Raises what decoder.begin() raises.
    FileTextSource(FileDescriptor file, std::int64_t length, std::unique_ptr<StreamDecoder> decoder,
                   std::filesystem::path path);

    // Raises Error with the file layer's text for a read error, and inputText::fileReadIncomplete when the file
    // ends before `length` bytes.
    bool read(std::u16string& units) override;

    void rewind() override;

    // Bytes read at a time.
    static constexpr std::size_t pieceBytes = 1 << 16;

private:
    FileDescriptor m_file;
    std::int64_t m_length;
    std::int64_t m_done = 0; // bytes read so far
    bool m_ended = false;
    std::unique_ptr<StreamDecoder> m_decoder;
    std::filesystem::path m_path;
    std::vector<unsigned char> m_piece;
};

} // namespace vantolex
