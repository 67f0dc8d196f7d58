#include "input/EncodingUTF16.h"

#include <bit>
#include <cassert>

#include "base/Errors.h"
#include "input/InputMessages.h"
#include "input/StreamDecoders.h"

namespace vantolex {

void EncodingUTF16::decode(TextBuffer& buffer, int length) const
{
    assert(buffer && length >= 0);
    if (length % 2 != 0)
        throw Error(std::u16string(inputText::notUtf16));
    const std::size_t count = static_cast<std::size_t>(length) / 2;
    char16_t* units = buffer.get();
    units[count] = 0;
    const unsigned char* bytes = byteData(buffer);
    const bool bigEndianData = (count > 0 && bytes[0] == 0xFE && bytes[1] == 0xFF) || !m_littleEndian;
    if (bigEndianData == (std::endian::native == std::endian::big))
        return;
    for (std::size_t i = 0; i < count; ++i)
        units[i] = static_cast<char16_t>((units[i] >> 8) | (units[i] << 8));
}

std::unique_ptr<StreamDecoder> EncodingUTF16::streamDecoder() const
{
    return createUtf16StreamDecoder(m_littleEndian);
}

} // namespace vantolex
