// Runs one decoder on fuzz data the way the file reader does and checks what every decoder promises.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/Errors.h"
#include "input/Encoding.h"

namespace vantolex {

// Decodes `data` with `encoding`; returns the number of units before the first 0 unit, or -1 when the
// decoder raised Error. Aborts when a promise is broken.
inline long fuzzDecode(const Encoding& encoding, const std::uint8_t* data, std::size_t size, bool inPlace)
{
    TextBuffer buffer = allocateTextBuffer(size);
    if (size > 0)
        std::memcpy(byteData(buffer), data, size);
    byteData(buffer)[size] = 0xA5; // the spare bytes' content is undefined
    byteData(buffer)[size + 1] = 0x5A;
    const char16_t* before = buffer.get();
    try {
        encoding.decode(buffer, static_cast<int>(size));
    } catch (const Error&) {
        if (buffer.get() != before) // on failure the caller keeps its buffer
            std::abort();
        return -1;
    }
    if (inPlace && buffer.get() != before)
        std::abort();
    long length = 0;
    while (buffer[static_cast<std::size_t>(length)] != 0)
        ++length;
    // No decoder gives more units than there were bytes.
    if (static_cast<std::size_t>(length) > size)
        std::abort();
    return length;
}

} // namespace vantolex
