// Fuzzes the EncodingSJIS decoder.
#include "input/EncodingMultiByte.h"
#include "tests/fuzz/DecoderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vantolex::EncodingSJIS encoding;
    vantolex::fuzzDecode(encoding, data, size, false);
    return 0;
}
