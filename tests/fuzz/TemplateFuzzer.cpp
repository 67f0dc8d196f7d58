// Parses and renders arbitrary templates. The input is two 32-bit little-endian page numbers (page, total)
// followed by the template as UTF-16LE. Besides running clean under the sanitizers, every result is checked
// against a direct substitution of the escapes, and cloning and needsTotalPages against the terms.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/TextFormat.h"
#include "layout/TemplateParser.h"
#include "settings/PrintSettings.h"

namespace {

using namespace vantolex;

constexpr std::u16string_view title = u"/tmp/タイトル.txt";
constexpr std::u16string_view fileName = u"タイトル.txt";
const ClockFixed fixedClock(LocalDateTime { 2026, 12, 7, 9, 5, 3 });

std::uint32_t readWord(const std::uint8_t* data)
{
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8
        | static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

// The rendering the terms must give, by substituting escapes in one pass over the text.
std::u16string substituted(std::u16string_view templateText, const PageNumbers& numbers, bool& hasTotal)
{
    templateText = templateText.substr(0, templateText.find(u'\0'));
    std::u16string text;
    for (std::size_t pos = 0; pos < templateText.size(); ++pos) {
        const char16_t unit = templateText[pos];
        if (unit != u'&' || pos + 1 == templateText.size()) {
            text += unit;
            continue;
        }
        const char16_t next = templateText[++pos];
        switch (next) {
        case u'&':
            text += u'&';
            break;
        case u'w':
            text += fileName;
            break;
        case u'f':
            text += title;
            break;
        case u'd':
            text += u"2026/12/07";
            break;
        case u't':
            text += u"09:05:03";
            break;
        case u'p':
            text += decimalText(numbers.page);
            break;
        case u'P':
            text += decimalText(numbers.total);
            hasTotal = true;
            break;
        default:
            text += u'&';
            text += next;
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8) {
        return 0;
    }
    const PageNumbers numbers { static_cast<int>(readWord(data)), static_cast<int>(readWord(data + 4)) };
    std::u16string templateText;
    for (std::size_t index = 8; index + 1 < size; index += 2) {
        templateText += static_cast<char16_t>(data[index] | data[index + 1] << 8);
    }

    TermList list;
    parseTemplate(templateText, list, title, fileName, fixedClock);
    const std::u16string rendered = renderTerms(list, numbers);

    bool hasTotal = false;
    if (rendered != substituted(templateText, numbers, hasTotal)) {
        std::abort();
    }
    if (list.size() > templateText.size() || (templateText.empty() && !list.empty())) {
        std::abort();
    }
    if (renderTerms(TermList(list), numbers) != rendered) {
        std::abort();
    }

    PrintSettings settings;
    settings.useHeaderFooter = true;
    settings.footerRight = templateText;
    if (needsTotalPages(settings) != hasTotal) {
        std::abort();
    }
    settings.useHeaderFooter = false;
    if (needsTotalPages(settings)) {
        std::abort();
    }
    return 0;
}
