// EUC-JP, transcoded to Shift JIS in place and then converted as Shift JIS.
#pragma once

#include "input/EncodingMultiByte.h"

namespace vantolex {

// Rewrites the `length` bytes at `bytes` (followed by at least one spare byte) from EUC-JP to Shift JIS in
// place and ends the result with a 0 byte. A byte below 0x80 stays; 0x8E and the byte after it become that
// byte (half-width katakana); any other byte of 0x80 or more and the byte after it become
// jisToShiftJis(first AND 0x7F, second AND 0x7F), the second byte not checked (so 0x8F starts a pair too);
// a byte of 0x80 or more at the very end stays alone. A 0 byte in the data ends the text there. Returns the
// number of bytes before the terminating 0.
int transcodeEucToShiftJis(unsigned char* bytes, int length);

class EncodingEUC : public EncodingSJIS
{
public:
    void decode(TextBuffer& buffer, int length) const override;
    std::unique_ptr<StreamDecoder> streamDecoder() const override;
};

} // namespace vantolex
