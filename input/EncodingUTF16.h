// UTF-16 in either byte order, decoded in place.
#pragma once

#include "input/Encoding.h"

namespace vantolex {

// Byte-order marks: FE FF at the start selects big-endian decoding whatever `littleEndian` says; FF FE is
// not looked at (under big endian it becomes U+FFFE). The mark stays in the text. Unpaired surrogates pass
// through unchanged.
class EncodingUTF16 : public Encoding
{
public:
    explicit EncodingUTF16(bool littleEndian)
        : m_littleEndian(littleEndian)
    {
    }

    // Raises Error with inputText::notUtf16 for an odd length.
    void decode(TextBuffer& buffer, int length) const override;
    std::unique_ptr<StreamDecoder> streamDecoder() const override;

    bool littleEndian() const { return m_littleEndian; }

private:
    bool m_littleEndian;
};

} // namespace vantolex
