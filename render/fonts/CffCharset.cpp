#include "render/fonts/CffCharset.h"

namespace vantolex {

namespace {

// A reader of the big-endian structures of a CFF table that fails softly: every read past the end gives 0
// and marks the reader as failed.
class CffReader
{
public:
    explicit CffReader(std::string_view data)
        : m_data(data)
    {
    }

    bool failed() const { return m_failed; }

    unsigned int number(std::size_t at, int size)
    {
        if (size < 1 || size > 4 || at + static_cast<std::size_t>(size) > m_data.size()) {
            m_failed = true;
            return 0;
        }
        unsigned int value = 0;
        for (int i = 0; i < size; ++i) {
            value = (value << 8) | static_cast<unsigned char>(m_data[at + static_cast<std::size_t>(i)]);
        }
        return value;
    }

    // An INDEX at `at`: the start and end of its first item, its item count, and where it ends.
    struct Index
    {
        std::size_t firstStart = 0;
        std::size_t firstEnd = 0;
        unsigned int count = 0;
        std::size_t end = 0;
    };
    Index index(std::size_t at)
    {
        Index result;
        result.count = number(at, 2);
        if (result.count == 0) {
            result.end = at + 2;
            return result;
        }
        const int offsetSize = static_cast<int>(number(at + 2, 1));
        const std::size_t offsets = at + 3;
        const std::size_t base = offsets + (result.count + 1) * static_cast<std::size_t>(offsetSize) - 1;
        result.firstStart = base + number(offsets, offsetSize);
        result.firstEnd = base + number(offsets + static_cast<std::size_t>(offsetSize), offsetSize);
        result.end = base + number(offsets + result.count * static_cast<std::size_t>(offsetSize), offsetSize);
        return result;
    }

private:
    std::string_view m_data;
    bool m_failed = false;
};

struct TopDictionary
{
    bool ros = false;
    long charset = 0;
    long charStrings = 0;
};

// The operators of the top dictionary in [start, end) that matter here.
TopDictionary readTopDictionary(CffReader& reader, std::size_t start, std::size_t end)
{
    TopDictionary top;
    long operand = 0;
    std::size_t at = start;
    while (at < end && !reader.failed()) {
        const unsigned int b0 = reader.number(at, 1);
        if (b0 <= 21) {
            const unsigned int op = b0 == 12 ? 1200 + reader.number(at + 1, 1) : b0;
            at += b0 == 12 ? 2 : 1;
            if (op == 1230) {
                top.ros = true;
            } else if (op == 15) {
                top.charset = operand;
            } else if (op == 17) {
                top.charStrings = operand;
            }
        } else if (b0 == 28) {
            operand = static_cast<std::int16_t>(reader.number(at + 1, 2));
            at += 3;
        } else if (b0 == 29) {
            operand = static_cast<std::int32_t>(reader.number(at + 1, 4));
            at += 5;
        } else if (b0 == 30) {
            ++at; // a real number: skip its nibbles up to the end marker
            while (at < end) {
                const unsigned int nibbles = reader.number(at++, 1);
                if ((nibbles & 0x0F) == 0x0F || (nibbles >> 4) == 0x0F) {
                    break;
                }
            }
        } else if (b0 >= 32 && b0 <= 246) {
            operand = static_cast<long>(b0) - 139;
            ++at;
        } else if (b0 >= 247 && b0 <= 250) {
            operand = (static_cast<long>(b0) - 247) * 256 + reader.number(at + 1, 1) + 108;
            at += 2;
        } else if (b0 >= 251 && b0 <= 254) {
            operand = -(static_cast<long>(b0) - 251) * 256 - reader.number(at + 1, 1) - 108;
            at += 2;
        } else {
            ++at;
        }
    }
    return top;
}

} // namespace

std::optional<CffCharset> readCffCharset(std::string_view table)
{
    CffReader reader(table);
    const std::size_t names = reader.number(2, 1); // the header's size
    const CffReader::Index nameIndex = reader.index(names);
    const CffReader::Index topIndex = reader.index(nameIndex.end);
    if (reader.failed() || topIndex.count == 0) {
        return std::nullopt;
    }
    const TopDictionary top = readTopDictionary(reader, topIndex.firstStart, topIndex.firstEnd);
    CffCharset charset;
    charset.cidKeyed = top.ros;
    if (!top.ros || top.charStrings <= 0) {
        return reader.failed() ? std::nullopt : std::optional(charset);
    }
    const unsigned int glyphs = reader.index(static_cast<std::size_t>(top.charStrings)).count;
    if (top.charset <= 2) {
        return std::nullopt; // the predefined charsets are not for CID-keyed fonts
    }
    std::vector<std::uint16_t> cids(glyphs, 0); // glyph 0 is CID 0
    std::size_t at = static_cast<std::size_t>(top.charset);
    const unsigned int format = reader.number(at++, 1);
    unsigned int glyph = 1;
    while (glyph < glyphs && !reader.failed()) {
        if (format == 0) {
            cids[glyph++] = static_cast<std::uint16_t>(reader.number(at, 2));
            at += 2;
        } else if (format == 1 || format == 2) {
            const unsigned int first = reader.number(at, 2);
            const unsigned int left = reader.number(at + 2, format == 1 ? 1 : 2);
            at += format == 1 ? 3 : 4;
            for (unsigned int i = 0; i <= left && glyph < glyphs; ++i) {
                cids[glyph++] = static_cast<std::uint16_t>(first + i);
            }
        } else {
            return std::nullopt;
        }
    }
    if (reader.failed()) {
        return std::nullopt;
    }
    bool identity = true;
    for (unsigned int i = 0; i < glyphs && identity; ++i) {
        identity = cids[i] == i;
    }
    if (!identity) {
        charset.cids = std::move(cids);
    }
    return charset;
}

} // namespace vantolex
