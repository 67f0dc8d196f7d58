// Fuzzes the multi reader: parts and separator settings from the data; the items must be the parts' own
// items with exactly the separator items between two parts.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "input/ClipboardReader.h"
#include "input/MultiReader.h"
#include "support/FixedClipboard.h"

namespace {

// Parts are clipboard readers over pieces of the data; a part of kind "none" ends the text.
class FuzzMultiReader : public vantolex::MultiReader
{
public:
    FuzzMultiReader(int method, int lines, std::vector<std::u16string> parts)
        : MultiReader(method, lines)
        , m_parts(std::move(parts))
    {
    }
    std::u16string title() const override { return u"fuzz"; }

protected:
    std::unique_ptr<TextReader> openNextReader() override
    {
        if (m_next >= m_parts.size())
            return nullptr;
        vantolex::FixedClipboard clipboard(m_parts[m_next++] + u'\0');
        return std::make_unique<vantolex::ClipboardReader>(clipboard);
    }

private:
    std::vector<std::u16string> m_parts;
    std::size_t m_next = 0;
};

int itemsOf(const std::u16string& part)
{
    vantolex::FixedClipboard clipboard(part + u'\0');
    vantolex::ClipboardReader reader(clipboard);
    int count = 0;
    while (reader.nextLine())
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int method = data[0] % 3;
    const int lines = data[1] % 8;
    // Parts are separated by the byte 0xFF; each byte is one unit (0 ends a part's text early).
    std::vector<std::u16string> parts(1);
    for (std::size_t i = 2; i < size && parts.size() < 64; ++i) {
        if (data[i] == 0xFF)
            parts.emplace_back();
        else
            parts.back().push_back(static_cast<char16_t>(data[i] == 1 ? u'\n' : data[i] == 2 ? u'\f' : data[i]));
    }
    int expected = 0;
    for (const auto& part : parts)
        expected += itemsOf(part);
    const int separatorCount = method == 0 ? lines : 1;
    expected += separatorCount * static_cast<int>(parts.size() - 1);

    FuzzMultiReader reader(method, lines, parts);
    int items = 0;
    while (reader.nextLine()) {
        const vantolex::TextLine line = reader.currentLine();
        if ((line.kind == vantolex::LineKind::Text) != (line.text != nullptr))
            std::abort();
        if (line.kind == vantolex::LineKind::PageBreak && method != 2)
            std::abort();
        if (++items > expected)
            std::abort();
    }
    if (items != expected)
        std::abort();
    return 0;
}
