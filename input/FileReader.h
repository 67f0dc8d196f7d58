// The reader of one text file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "input/EncodingIndex.h"
#include "input/TextReader.h"

namespace vantolex {

// The largest file a reader takes: with the two spare bytes its buffer is at most 0x7FFFFFFF bytes.
inline constexpr std::int64_t maxFileLength = 2'147'483'645;

// Raises Error with inputText::fileTooLarge when `length` exceeds maxFileLength.
void checkFileLength(std::int64_t length);

class FileReader : public TextReader
{
public:
    // Opens the regular file at `path` and keeps it open; its text is read and decoded with `decoder` a piece
    // at a time as the lines are asked for, and one byte-order mark (U+FEFF) at the start of the decoded text
    // is skipped. Raises Error: a text of the file layer that names the file (not found, access denied, a
    // folder, not a regular file, ...), inputText::fileTooLarge, or what the decoder refuses of the whole file
    // (an odd length under UTF-16). Reading raises the file layer's read error and
    // inputText::fileReadIncomplete (a file that has shrunk) from nextLine().
    FileReader(const std::filesystem::path& path, const Encoding& decoder);

    // The file's full path.
    std::u16string title() const override;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path; // absolute and normalised
};

// A reader of the file at `path` decoded by the encoding `index` names, or none when the index names no
// encoding. Raises what the FileReader constructor raises.
std::unique_ptr<FileReader> createFileReader(const std::filesystem::path& path, EncodingIndex index);

} // namespace vantolex
