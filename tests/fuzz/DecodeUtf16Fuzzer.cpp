// Fuzzes both UTF-16 decoders: in place, an odd length fails, an even one gives length / 2 units at most.
#include <cstdlib>

#include "input/EncodingUTF16.h"
#include "tests/fuzz/DecoderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const bool littleEndian : { true, false }) {
        const vantolex::EncodingUTF16 encoding(littleEndian);
        const long length = vantolex::fuzzDecode(encoding, data, size, true);
        if ((length < 0) != (size % 2 != 0) || length > static_cast<long>(size / 2))
            std::abort();
    }
    return 0;
}
