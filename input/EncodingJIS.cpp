#include "input/EncodingJIS.h"

#include <cassert>

#include "input/JisScanner.h"
#include "input/JisToShiftJis.h"

namespace vantolex {

int transcodeJisToShiftJis(unsigned char* bytes, int length)
{
    assert(bytes && length >= 0);
    bytes[length] = 0;
    JisScanner scanner(bytes);
    unsigned char* write = bytes; // never ahead of the character being delivered
    while (scanner.next()) {
        const unsigned char* character = scanner.character();
        switch (scanner.mode()) {
        case JisScanner::Mode::Roman:
            *write++ = character[0];
            break;
        case JisScanner::Mode::Kanji: {
            // Both bytes are read before either is overwritten; the scanner reads on after the second.
            const auto pair = jisToShiftJis(character[0], character[1]);
            *write++ = pair[0];
            *write++ = pair[1];
            break;
        }
        case JisScanner::Mode::Kana:
            *write++ = static_cast<unsigned char>(character[0] ^ 0x80);
            break;
        }
    }
    *write = 0;
    return static_cast<int>(write - bytes);
}

void EncodingJIS::decode(TextBuffer& buffer, int length) const
{
    assert(buffer && length >= 0);
    transcodeJisToShiftJis(byteData(buffer), length);
    EncodingSJIS::decode(buffer, -1);
}

} // namespace vantolex
