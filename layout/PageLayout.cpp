#include "layout/PageLayout.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/Errors.h"
#include "base/TextFormat.h"
#include "layout/LayoutMessages.h"
#include "layout/TemplateParser.h"

namespace vantolex {

namespace text = layoutText;

std::u16string lastPathComponent(std::u16string_view path)
{
    if (path.size() < 2)
        return std::u16string(path);
    const std::size_t separator = path.find_last_of(u'/', path.size() - 2);
    if (separator == std::u16string_view::npos)
        return std::u16string(path);
    return std::u16string(path.substr(separator + 1));
}

std::u16string applyLineNumberFormat(std::u16string_view format, int value)
{
    std::u16string result;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char16_t unit = format[i];
        if (unit != u'%' || i + 1 == format.size()) {
            result += unit;
            continue;
        }
        if (format[i + 1] == u'%') {
            result += u'%';
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        int width = 0;
        while (end < format.size() && format[end] >= u'0' && format[end] <= u'9' && width < 1000)
            width = width * 10 + (format[end++] - u'0');
        if (end == format.size() || format[end] != u'd') { // not a conversion: copy the percent sign
            result += unit;
            continue;
        }
        const std::u16string digits = decimalText(value);
        if (static_cast<int>(digits.size()) < width)
            result.append(static_cast<std::size_t>(width) - digits.size(), u' ');
        result += digits;
        i = end;
    }
    return result;
}

namespace {

void parseTermLists(PageLayout& layout, const PrintSettings& settings, std::u16string_view title, const Clock& clock)
{
    if (settings.useHeaderFooter) {
        const auto templates = settings.templates();
        for (std::size_t i = 0; i < layout.termLists.size(); ++i)
            parseTemplate(*templates[i], layout.termLists[i], title, layout.fileName, clock);
    } else {
        if (settings.showFileName)
            parseTemplate(text::fileNameTemplate, layout.termLists[HeaderCenter], title, layout.fileName, clock);
        if (settings.showPageNumber)
            parseTemplate(text::pageNumberTemplate, layout.termLists[FooterCenter], title, layout.fileName, clock);
    }
    const auto& lists = layout.termLists;
    layout.hasHeader = !lists[HeaderLeft].empty() || !lists[HeaderCenter].empty() || !lists[HeaderRight].empty();
    layout.hasFooter = !lists[FooterLeft].empty() || !lists[FooterCenter].empty() || !lists[FooterRight].empty();
}

int lastLineOf(const PrintSettings& settings)
{
    switch (settings.endCondition) {
    case EndCondition::LineCount: {
        // In 64 bits: both may be as large as an int holds. Past the largest line number there is no line to
        // end after, and the run ends there (printItems).
        const long long last = static_cast<long long>(settings.startLine) + settings.endValue;
        return static_cast<int>(std::min<long long>(last, std::numeric_limits<int>::max()));
    }
    case EndCondition::ToLine:
        return settings.endValue;
    default:
        return 0;
    }
}

} // namespace

PageLayout computeLayout(const Device& device, const PrintSettings& settings, std::u16string_view title,
                         const Clock& clock)
{
    PageLayout layout;
    layout.fileName = lastPathComponent(title);
    parseTermLists(layout, settings, title, clock);

    static_cast<PageGrid&>(layout)
        = computePageGrid(device.capabilities(), settings, layout.hasHeader, layout.hasFooter);

    if (settings.lineNumberInterval != 0)
        layout.lineNumberFormat = formatText(text::lineNumberFormat, { settings.lineNumberDigits });
    layout.lastLine = lastLineOf(settings);

    layout.columns = settings.columns;
    layout.vertical = settings.vertical;
    layout.columnSeparator = settings.columnSeparator;
    layout.proportional = settings.proportional;

    if (!settings.fontDescriptor)
        throw Warning(std::u16string(text::noPrintFont));
    layout.font = *settings.fontDescriptor;
    layout.font.height = -layout.charHeight;
    layout.font.width = 0;
    layout.font.escapement = settings.vertical ? 2700 : 0;
    return layout;
}

} // namespace vantolex
