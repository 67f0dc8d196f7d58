// The reader of standard input ("-" on the command line), decoded like a file.
#pragma once

#include <cstdint>
#include <istream>

#include "input/Encoding.h"
#include "input/FileReader.h"
#include "input/TextReader.h"

namespace vantolex {

class StandardInputReader : public TextReader
{
public:
    // Reads all of `in` into a temporary file without a name (removed however the program ends), which is then
    // read like a file: a piece at a time, decoded with `decoder`, one byte-order mark skipped, and read again
    // from its start by rewind(). Raises Error when the input cannot be read or spooled, inputText::fileTooLarge
    // as soon as more than `limit` bytes have come (as for files: maxFileLength), and what the decoder refuses
    // of the whole input.
    StandardInputReader(std::istream& in, const Encoding& decoder, std::int64_t limit = maxFileLength);

    // "標準入力"
    std::u16string title() const override;
};

} // namespace vantolex
