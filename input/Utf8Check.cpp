#include "input/Utf8Check.h"

#include <cstddef>

namespace vantolex {

bool isNonAsciiUtf8(std::span<const unsigned char> bytes, bool cutShort)
{
    bool nonAscii = false;
    std::size_t index = 0;
    while (index < bytes.size()) {
        const unsigned char lead = bytes[index];
        if (lead < 0x80) {
            ++index;
            continue;
        }
        nonAscii = true;
        // The length of the sequence and the range of its second byte (RFC 3629, table 3-7 of Unicode).
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        for (std::size_t offset = 1; offset < length; ++offset) {
            if (index + offset == bytes.size())
                return cutShort;
            const unsigned char byte = bytes[index + offset];
            if (byte < (offset == 1 ? low : 0x80) || byte > (offset == 1 ? high : 0xBF))
                return false;
        }
        index += length;
    }
    return nonAscii;
}

} // namespace vantolex
