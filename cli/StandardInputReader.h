// The reader of standard input ("-" on the command line), decoded like a file.
#pragma once

#include <istream>

#include "input/Encoding.h"
#include "input/TextReader.h"

namespace vantolex {

class StandardInputReader : public TextReader
{
public:
    // Reads all of `in` and decodes it with `decoder`, skipping one byte-order mark. Raises Error when the
    // input cannot be read or is too large, and what the decoder raises.
    StandardInputReader(std::istream& in, const Encoding& decoder);

    // "標準入力"
    std::u16string title() const override;
};

} // namespace vantolex
