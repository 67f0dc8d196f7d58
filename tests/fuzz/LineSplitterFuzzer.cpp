// Fuzzes the line splitter through the clipboard reader: the items it delivers, put back together with
// their terminators, are the text up to its first 0 unit.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "input/ClipboardReader.h"
#include "support/FixedClipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string units(size / 2, u'\0');
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * 2);
    if (units.empty())
        units.push_back(u'\0');
    vantolex::FixedClipboard clipboard(units);
    vantolex::ClipboardReader reader(clipboard);
    const std::u16string text = units.substr(0, units.find(u'\0'));
    std::size_t position = 0;
    std::size_t items = 0;
    while (reader.nextLine()) {
        if (++items > text.size() + 1)
            std::abort();
        const vantolex::TextLine line = reader.currentLine();
        if (line.kind == vantolex::LineKind::ColumnBreak) {
            if (line.text != nullptr || text[position] != u'\f')
                std::abort();
            ++position;
        } else {
            if (line.kind != vantolex::LineKind::Text || line.text == nullptr)
                std::abort();
            const std::u16string lineText(line.text);
            if (text.compare(position, lineText.size(), lineText) != 0
                || lineText.find_first_of(u"\r\n") != std::u16string::npos)
                std::abort();
            position += lineText.size();
        }
        // The terminator that ended the item, if any.
        if (position < text.size() && text[position] == u'\r')
            ++position;
        if (position < text.size() && text[position] == u'\n')
            ++position;
    }
    if (position != text.size())
        std::abort();
    return 0;
}
