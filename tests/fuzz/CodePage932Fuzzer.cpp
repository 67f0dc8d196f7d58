// Fuzzes the code page 932 converter: the general converter agrees with decode(), and every text that
// encode() accepts decodes back to itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "input/CodePage932.h"
#include "input/MultiByteConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = vantolex::cp932::decode(bytes);
    if (size > 0) {
        const int count = vantolex::multiByteToWideChar(932, bytes.data(), static_cast<int>(size), nullptr, 0);
        std::u16string converted(static_cast<std::size_t>(count), u'\0');
        if (vantolex::multiByteToWideChar(932, bytes.data(), static_cast<int>(size), converted.data(), count) != count
            || converted != text)
            std::abort();
    }
    if (const auto encoded = vantolex::cp932::encode(text)) {
        if (vantolex::cp932::decode(*encoded) != text)
            std::abort();
    }
    // The same bytes read as UTF-16 units.
    const std::u16string_view units(reinterpret_cast<const char16_t*>(data), size / 2);
    if (const auto encoded = vantolex::cp932::encode(units)) {
        if (vantolex::cp932::decode(*encoded) != units)
            std::abort();
    }
    return 0;
}
