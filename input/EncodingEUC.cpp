#include "input/EncodingEUC.h"

#include <array>
#include <cassert>

#include "input/JisToShiftJis.h"
#include "input/StreamDecoders.h"

namespace vantolex {
int transcodeEucToShiftJis(unsigned char* bytes, int length)
{
    assert(bytes && length >= 0);
    bytes[length] = 0;
    const unsigned char* read = bytes;
    unsigned char* write = bytes; // never ahead of read: every step writes at most what it reads
    while (const unsigned char first = *read) {
        ++read;
        if (first < 0x80) {
            *write++ = first;
            continue;
        }
        const unsigned char second = *read;
        if (second == 0) {
            *write++ = first;
            break;
        }
        ++read;
        if (first == 0x8E) {
            *write++ = second;
        } else {
            const auto& pair = shiftJisPairs[static_cast<std::size_t>((first & 0x7F) << 7 | (second & 0x7F))];
            *write++ = pair[0];
            *write++ = pair[1];
        }
    }
    *write = 0;
    return static_cast<int>(write - bytes);
}

void EncodingEUC::decode(TextBuffer& buffer, int length) const
{
    assert(buffer && length >= 0);
    transcodeEucToShiftJis(byteData(buffer), length);
    EncodingSJIS::decode(buffer, -1);
}

std::unique_ptr<StreamDecoder> EncodingEUC::streamDecoder() const
{
    return createEucStreamDecoder();
}

} // namespace vantolex
