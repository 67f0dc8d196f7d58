// The bytes of one text in each of the six encodings that vantolex-print reads, made at test time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantolex {

struct EncodedSample
{
    std::string name; // a short name, also the file name stem
    std::string encoding; // the value of --encoding
    std::string bytes;
};

// `text` (BMP characters that code page 932 carries; lines ended by CR LF) in Shift JIS, UTF-16LE with and
// without a byte order mark, UTF-16BE with and without one, UTF-8, ISO-2022-JP and EUC-JP.
std::vector<EncodedSample> encodeInEverySourceEncoding(std::u16string_view text);

} // namespace vantolex
