// ISO-2022-JP, transcoded to Shift JIS in place and then converted as Shift JIS.
#pragma once

#include "input/EncodingMultiByte.h"

namespace vantolex {

// Rewrites the `length` bytes at `bytes` (followed by at least one spare byte) from ISO-2022-JP to Shift
// JIS in place, driven by a JisScanner, and ends the result with a 0 byte: a Roman character stays as it
// is, a Kanji pair becomes jisToShiftJis of its raw bytes, a Kana byte has its high bit inverted (0x21..0x5F
// become the half-width katakana 0xA1..0xDF). Escape sequences that the scanner takes are dropped. A 0 byte
// in the data ends the text there. Returns the number of bytes before the terminating 0.
int transcodeJisToShiftJis(unsigned char* bytes, int length);

class EncodingJIS : public EncodingSJIS
{
public:
    void decode(TextBuffer& buffer, int length) const override;
    std::unique_ptr<StreamDecoder> streamDecoder() const override;
};

} // namespace vantolex
