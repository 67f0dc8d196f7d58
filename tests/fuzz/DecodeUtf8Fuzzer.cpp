// Fuzzes the EncodingUTF8 decoder.
#include "input/EncodingMultiByte.h"
#include "tests/fuzz/DecoderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vantolex::EncodingUTF8 encoding;
    vantolex::fuzzDecode(encoding, data, size, false);
    return 0;
}
