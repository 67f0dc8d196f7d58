#include "input/EncodingMultiByte.h"

#include <cassert>

#include "base/Errors.h"
#include "input/InputMessages.h"
#include "input/MultiByteConverter.h"
#include "input/StreamDecoders.h"

namespace vantolex {

void EncodingMultiByte::decode(TextBuffer& buffer, int length) const
{
    assert(buffer && length >= -1);
    if (length == 0) {
        // The converter fails on no input at all; an empty file is empty text like under every encoding.
        buffer[0] = 0;
        return;
    }
    const char* bytes = reinterpret_cast<const char*>(byteData(buffer));
    const int count = multiByteToWideChar(codePage(), bytes, length, nullptr, 0);
    if (count == 0)
        throw Error(std::u16string(inputText::conversionFailed));
    auto units = std::make_unique_for_overwrite<char16_t[]>(static_cast<std::size_t>(count) + 1);
    const int written = multiByteToWideChar(codePage(), bytes, length, units.get(), count);
    assert(written == count);
    (void)written;
    units[static_cast<std::size_t>(count)] = 0;
    buffer = std::move(units);
}

std::unique_ptr<StreamDecoder> EncodingMultiByte::streamDecoder() const
{
    return codePage() == codePageUtf8 ? createUtf8StreamDecoder() : createShiftJisStreamDecoder();
}

int EncodingUTF8::codePage() const
{
    return codePageUtf8;
}

int EncodingSJIS::codePage() const
{
    return codePageAnsi;
}

} // namespace vantolex
