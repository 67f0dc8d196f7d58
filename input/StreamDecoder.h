// Decoding a file's bytes piece by piece: the streaming counterpart of each Encoding, giving exactly the units
// that Encoding::decode gives for the whole content at once.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vantolex {

class StreamDecoder
{
public:
    virtual ~StreamDecoder() = default;

    // Before the first piece, with the content's length in bytes. Raises Error where the encoding refuses the
    // content whatever its bytes (an odd length under UTF-16), as Encoding::decode does.
    virtual void begin(std::int64_t length) { (void)length; }

    // Decodes the next `bytes` of the content and appends the units to `units`; `last` marks the final piece.
    // The bytes of a character that the piece cuts off are kept for the next piece. Where the whole content's
    // decoding would end its text (a 0 byte under EUC-JP or ISO-2022-JP), a 0 unit is appended and every later
    // byte is ignored; a 0 unit in the units ends the text under every encoding.
    virtual void decode(std::span<const unsigned char> bytes, bool last, std::u16string& units) = 0;

    // Forgets what it keeps: the next piece starts the content again.
    virtual void reset() = 0;
};

} // namespace vantolex
