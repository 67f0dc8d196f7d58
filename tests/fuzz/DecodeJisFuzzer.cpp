// Fuzzes the EncodingJIS decoder.
#include "input/EncodingJIS.h"
#include "tests/fuzz/DecoderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vantolex::EncodingJIS encoding;
    vantolex::fuzzDecode(encoding, data, size, false);
    return 0;
}
