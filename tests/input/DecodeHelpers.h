// Runs a decoder the way the file reader does: content copied into a fresh buffer whose two spare bytes
// hold garbage, decoded, and the text taken up to its first 0 unit.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "input/Encoding.h"

namespace vantolex {

inline TextBuffer bufferWithContent(std::string_view bytes)
{
    TextBuffer buffer = allocateTextBuffer(bytes.size());
    std::memcpy(byteData(buffer), bytes.data(), bytes.size());
    std::memset(byteData(buffer) + bytes.size(), 0xA5, 2); // the spare bytes' content is undefined
    return buffer;
}

inline std::u16string decodeWith(const Encoding& encoding, std::string_view bytes)
{
    TextBuffer buffer = bufferWithContent(bytes);
    encoding.decode(buffer, static_cast<int>(bytes.size()));
    return std::u16string(buffer.get());
}

inline std::string byteString(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result.push_back(static_cast<char>(value));
    return result;
}

} // namespace vantolex
