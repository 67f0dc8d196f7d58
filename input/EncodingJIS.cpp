#include "input/EncodingJIS.h"

#include <cassert>

#include "input/JisScanner.h"
#include "input/JisToShiftJis.h"
#include "input/StreamDecoders.h"

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
        case JisScanner::Mode::Kanji:
            do {
                // Both bytes are read before either is overwritten; the scanner reads on after the second.
                const unsigned char* kanji = scanner.character();
                const auto pair = (kanji[0] | kanji[1]) < 0x80
                    ? shiftJisPairs[static_cast<std::size_t>(kanji[0] << 7 | kanji[1])]
                    : jisToShiftJis(kanji[0], kanji[1]);
                write[0] = pair[0];
                write[1] = pair[1];
                write += 2;
            } while (scanner.nextPairInRun());
            break;
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

std::unique_ptr<StreamDecoder> EncodingJIS::streamDecoder() const
{
    return createJisStreamDecoder();
}

} // namespace vantolex
