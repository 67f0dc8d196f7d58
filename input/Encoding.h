// The decoders: one class per encoding, turning a file's bytes into UTF-16 in the buffer that holds them.
#pragma once

#include <cstddef>
#include <memory>

#include "input/StreamDecoder.h"

namespace vantolex {

// An owned array that holds first a file's bytes, then its decoded UTF-16 units. The storage is char16_t
// so that decoding in place needs no second array; the bytes are reached through byteData().
using TextBuffer = std::unique_ptr<char16_t[]>;

// A buffer for `length` bytes and the two spare bytes that decoding needs (uninitialised).
TextBuffer allocateTextBuffer(std::size_t length);

inline unsigned char* byteData(const TextBuffer& buffer)
{
    return reinterpret_cast<unsigned char*>(buffer.get());
}

// Abstract base of the decoders. A decoder holds no state besides its parameters.
class Encoding
{
public:
    virtual ~Encoding() = default;

    // `buffer` holds `length` bytes of content (0 to 2,147,483,645) followed by two spare bytes of any
    // content; a length of -1 means the content runs through its first 0 byte (as the EUC-JP and
    // ISO-2022-JP decoders hand it on). On return `buffer` holds UTF-16 units in the host's byte order that
    // end with a 0 unit; the text is the units before the first 0 unit. The buffer is either reused in place
    // or replaced by a new array. Raises Error when the bytes cannot be decoded at all (an odd length under
    // UTF-16); the buffer then stays owned by the caller.
    virtual void decode(TextBuffer& buffer, int length) const = 0;

    // A decoder of the same encoding that takes the content piece by piece and gives the same units.
    virtual std::unique_ptr<StreamDecoder> streamDecoder() const = 0;
};

} // namespace vantolex
