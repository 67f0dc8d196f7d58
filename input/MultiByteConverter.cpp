#include "input/MultiByteConverter.h"

#include <cstring>

#include "input/MultiByteDecoding.h"

namespace vantolex {
namespace {

template <typename Decoder>
int convert(const unsigned char* begin, const unsigned char* end, char16_t* units, int capacity)
{
    decoding::CountingSink counter;
    decoding::decodeAll<Decoder>(begin, end, counter);
    // Never more units than bytes, and the length is an int: the count fits.
    const int count = static_cast<int>(counter.count);
    if (capacity == 0)
        return count;
    if (count > capacity)
        return 0;
    decoding::WritingSink writer { units };
    decoding::decodeAll<Decoder>(begin, end, writer);
    return count;
}

} // namespace

int multiByteToWideChar(int codePage, const char* bytes, int length, char16_t* units, int capacity)
{
    if (length == 0 || length < -1 || capacity < 0 || bytes == nullptr || (capacity > 0 && units == nullptr))
        return 0;
    const std::size_t size = length == -1 ? std::strlen(bytes) + 1 : static_cast<std::size_t>(length);
    if (size > static_cast<std::size_t>(0x7FFFFFFF))
        return 0;
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes);
    const auto* end = begin + size;
    switch (codePage) {
    case codePageAnsi:
    case codePageShiftJis:
        return convert<decoding::Cp932Decoder>(begin, end, units, capacity);
    case codePageUtf8:
        return convert<decoding::Utf8Decoder>(begin, end, units, capacity);
    default:
        return 0;
    }
}

} // namespace vantolex
