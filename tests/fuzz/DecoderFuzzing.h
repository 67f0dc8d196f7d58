// Runs one decoder on fuzz data the way the file reader does and checks what every decoder promises.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

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
    // Decoded a piece at a time, as the readers decode, the text is the same; the piece size comes from the
    // first byte.
    const std::size_t piece = size > 0 ? 1 + data[0] % 7 : 1;
    const std::unique_ptr<StreamDecoder> stream = encoding.streamDecoder();
    stream->begin(static_cast<std::int64_t>(size));
    std::u16string units;
    std::size_t at = 0;
    do {
        const std::size_t count = std::min(piece, size - at);
        stream->decode(std::span(data + at, count), at + count == size, units);
        at += count;
    } while (at < size);
    if (units.substr(0, units.find(u'\0')) != std::u16string_view(buffer.get(), static_cast<std::size_t>(length)))
        std::abort();
    return length;
}

} // namespace vantolex
