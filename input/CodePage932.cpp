#include "input/CodePage932.h"

#include <algorithm>

#include "input/CodePage932Table.h"
#include "input/MultiByteDecoding.h"

namespace vantolex::cp932 {

std::u16string decode(std::string_view bytes)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = begin + bytes.size();
    decoding::CountingSink counter;
    decoding::decodeAll<decoding::Cp932Decoder>(begin, end, counter);
    std::u16string text(counter.count, u'\0');
    decoding::WritingSink writer { text.data() };
    decoding::decodeAll<decoding::Cp932Decoder>(begin, end, writer);
    return text;
}

std::optional<std::string> encode(std::u16string_view text)
{
    const table::EncodeEntry* first = table::encodeEntries;
    const table::EncodeEntry* last = table::encodeEntries + table::encodeEntryCount;
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        const auto* entry = std::lower_bound(
            first, last, unit, [](const table::EncodeEntry& item, char16_t value) { return item.unit < value; });
        if (entry == last || entry->unit != unit)
            return std::nullopt;
        if (entry->code > 0xFF)
            bytes.push_back(static_cast<char>(entry->code >> 8));
        bytes.push_back(static_cast<char>(entry->code & 0xFF));
    }
    return bytes;
}

} // namespace vantolex::cp932
