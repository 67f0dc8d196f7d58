// parseTemplate and needsTotalPages: one scan of a template into terms.
#include <array>
#include <memory>
#include <optional>

#include "base/TextFormat.h"
#include "layout/Term.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

// `value` in decimal, with leading zeros up to `width` digits.
std::u16string zeroPadded(int value, std::size_t width)
{
    std::u16string digits = decimalText(value < 0 ? -static_cast<long long>(value) : value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), u'0');
    }
    return value < 0 ? u"-" + digits : digits;
}

// 2026/12/07
std::u16string dateText(const LocalDateTime& dateTime)
{
    return zeroPadded(dateTime.year, 4) + u'/' + zeroPadded(dateTime.month, 2) + u'/' + zeroPadded(dateTime.day, 2);
}

// 09:05:03
std::u16string timeText(const LocalDateTime& dateTime)
{
    return zeroPadded(dateTime.hour, 2) + u':' + zeroPadded(dateTime.minute, 2) + u':' + zeroPadded(dateTime.second, 2);
}

// The date and time texts of one parse. The clock is read on first use only, so that a date and a time in one
// template come from the same instant; a clock that fails gives empty texts.
class ParseTimeTexts
{
public:
    explicit ParseTimeTexts(const Clock& clock)
        : m_clock(clock)
    {
    }

    std::u16string date()
    {
        read();
        return m_date;
    }

    std::u16string time()
    {
        read();
        return m_time;
    }

private:
    void read()
    {
        if (m_read) {
            return;
        }
        m_read = true;
        if (const std::optional<LocalDateTime> now = m_clock.localNow()) {
            m_date = dateText(*now);
            m_time = timeText(*now);
        }
    }

    const Clock& m_clock;
    bool m_read = false;
    std::u16string m_date;
    std::u16string m_time;
};

} // namespace

void parseTemplate(std::u16string_view templateText, TermList& list, std::u16string_view title,
                   std::u16string_view fileName, const Clock& clock)
{
    // A U+0000 ends the template: what follows it is never read.
    templateText = templateText.substr(0, templateText.find(u'\0'));
    ParseTimeTexts now(clock);
    std::size_t start = 0; // first unit of the pending literal text
    std::size_t pos = 0; // scan position
    const auto flushLiteral = [&](std::size_t end) {
        if (end > start) {
            list.push_back(std::make_unique<TermString>(std::u16string(templateText.substr(start, end - start))));
        }
    };
    // An "&" as the last unit stays in the literal: the loop ends without looking past it.
    while (pos + 1 < templateText.size()) {
        if (templateText[pos] != u'&') {
            ++pos;
            continue;
        }
        std::unique_ptr<Term> term;
        switch (templateText[pos + 1]) {
        case u'&':
            flushLiteral(pos + 1);
            start = pos = pos + 2;
            continue;
        case u'w':
            term = std::make_unique<TermString>(std::u16string(fileName));
            break;
        case u'f':
            term = std::make_unique<TermString>(std::u16string(title));
            break;
        case u'd':
            term = std::make_unique<TermString>(now.date());
            break;
        case u't':
            term = std::make_unique<TermString>(now.time());
            break;
        case u'p':
            term = std::make_unique<TermPage>();
            break;
        case u'P':
            term = std::make_unique<TermTotalPage>();
            break;
        default:
            // Not an escape: both units stay in the literal.
            pos += 2;
            continue;
        }
        flushLiteral(pos);
        list.push_back(std::move(term));
        start = pos = pos + 2;
    }
    flushLiteral(templateText.size());
}

bool needsTotalPages(const PrintSettings& settings)
{
    if (!settings.useHeaderFooter) {
        return false;
    }
    const std::array<const std::u16string*, 6> templates
        = { &settings.headerLeft, &settings.headerCenter, &settings.headerRight,
            &settings.footerLeft, &settings.footerCenter, &settings.footerRight };
    // The date and time do not matter here: a clock that never answers keeps the system clock out of it.
    const ClockFixed noClock(std::nullopt);
    for (const std::u16string* templateText : templates) {
        TermList scratch;
        parseTemplate(*templateText, scratch, {}, {}, noClock);
        for (const auto& term : scratch) {
            if (dynamic_cast<const TermTotalPage*>(term.get()) != nullptr) {
                return true;
            }
        }
    }
    return false;
}

} // namespace vantolex
