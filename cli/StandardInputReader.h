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
    // Reads all of `in` and decodes it with `decoder`, skipping one byte-order mark. Raises Error when the
    // input cannot be read, and inputText::fileTooLarge as soon as more than `limit` bytes have come (as for
    // files: maxFileLength), and what the decoder raises.
    StandardInputReader(std::istream& in, const Encoding& decoder, std::int64_t limit = maxFileLength);

    // "標準入力"
    std::u16string title() const override;
};

} // namespace vantolex
