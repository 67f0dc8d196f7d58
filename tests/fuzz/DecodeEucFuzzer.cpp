// Fuzzes the EncodingEUC decoder.
#include "input/EncodingEUC.h"
#include "tests/fuzz/DecoderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vantolex::EncodingEUC encoding;
    vantolex::fuzzDecode(encoding, data, size, false);
    return 0;
}
