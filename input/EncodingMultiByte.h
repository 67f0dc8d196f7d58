// The decoders that go through the multi-byte converter: UTF-8 and Shift JIS (code page 932), and through
// Shift JIS the EUC-JP and ISO-2022-JP decoders.
#pragma once

#include "input/Encoding.h"

namespace vantolex {

// Converts with multiByteToWideChar and the code page of codePage(), making one new array of units.
// Bad byte sequences become the code page's replacement character; they never fail. Empty content (length
// 0) decodes to empty text.
class EncodingMultiByte : public Encoding
{
public:
    void decode(TextBuffer& buffer, int length) const override;
    // By codePage(): UTF-8 for 65001, otherwise code page 932.
    std::unique_ptr<StreamDecoder> streamDecoder() const override;

    // The converter's code page identifier.
    virtual int codePage() const = 0;
};

class EncodingUTF8 : public EncodingMultiByte
{
public:
    int codePage() const override;
};

// Code page 0, the system's default code page, which is Microsoft code page 932 here.
class EncodingSJIS : public EncodingMultiByte
{
public:
    int codePage() const override;
};

} // namespace vantolex
