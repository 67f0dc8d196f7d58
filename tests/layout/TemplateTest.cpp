#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Utf16.h"
#include "layout/LayoutMessages.h"
#include "layout/TemplateParser.h"
#include "settings/PrintSettings.h"

namespace vantolex {
namespace {

const ClockFixed fixedClock(LocalDateTime { 2026, 12, 7, 9, 5, 3 });
constexpr std::u16string_view title = u"/home/user/文書/日本語.txt";
constexpr std::u16string_view fileName = u"日本語.txt";

// One term as readable text: "text:<its text>", "page" or "total".
std::string describe(const Term& term)
{
    if (const auto* text = dynamic_cast<const TermString*>(&term)) {
        return "text:" + toUtf8(text->text());
    }
    if (dynamic_cast<const TermPage*>(&term) != nullptr) {
        return "page";
    }
    if (dynamic_cast<const TermTotalPage*>(&term) != nullptr) {
        return "total";
    }
    return "unknown term";
}

std::vector<std::string> describe(const TermList& list)
{
    std::vector<std::string> terms;
    for (const auto& term : list) {
        terms.push_back(describe(*term));
    }
    return terms;
}

TermList parsed(std::u16string_view templateText, const Clock& clock = fixedClock)
{
    TermList list;
    parseTemplate(templateText, list, title, fileName, clock);
    return list;
}

struct ParseRow
{
    const char* name;
    std::u16string templateText;
    std::vector<std::string> terms;
};

TEST(ParseTemplate, SplitsTemplatesIntoTerms)
{
    const std::vector<ParseRow> rows = {
        { "empty template gives no term", u"", {} },
        { "blanks only are one text term", u"   ", { "text:   " } },
        { "full-width blank is text", u"　", { "text:　" } },
        { "plain text", u"Vantolex", { "text:Vantolex" } },
        { "doubled ampersand ends the first text", u"a&&b", { "text:a&", "text:b" } },
        { "doubled ampersand alone", u"&&", { "text:&" } },
        { "two doubled ampersands", u"&&&&", { "text:&", "text:&" } },
        { "doubled ampersand before p is no page number", u"&&p", { "text:&", "text:p" } },
        { "doubled ampersand then page number", u"&&&p", { "text:&", "page" } },
        { "three ampersands keep the last", u"&&&", { "text:&", "text:&" } },
        { "unknown escape stays in the text", u"x&qy", { "text:x&qy" } },
        { "unknown escape alone", u"&q", { "text:&q" } },
        { "unknown escape then doubled ampersand", u"&q&&", { "text:&q&" } },
        { "percent sign is text", u"100%", { "text:100%" } },
        { "ampersand before percent sign stays", u"50&%", { "text:50&%" } },
        { "trailing ampersand stays", u"abc&", { "text:abc&" } },
        { "lone ampersand stays", u"&", { "text:&" } },
        { "page number then trailing ampersand", u"&p&", { "page", "text:&" } },
        { "built-in page number footer", u"- &p -", { "text:- ", "page", "text: -" } },
        { "built-in file name header", u"【 &w 】", { "text:【 ", "text:日本語.txt", "text: 】" } },
        { "file name", u"&w", { "text:日本語.txt" } },
        { "whole title", u"&f", { "text:/home/user/文書/日本語.txt" } },
        { "date", u"&d", { "text:2026/12/07" } },
        { "time", u"&t", { "text:09:05:03" } },
        { "date and time", u"&d &t", { "text:2026/12/07", "text: ", "text:09:05:03" } },
        { "page of total", u"Page &p of &P", { "text:Page ", "page", "text: of ", "total" } },
        { "repeated fields",
          u"&p&p&P&P&w&w",
          { "page", "page", "total", "total", "text:日本語.txt", "text:日本語.txt" } },
        { "upper-case letters other than P are no escapes", u"&W&F&D&T", { "text:&W&F&D&T" } },
        { "full-width p is no escape", u"&ｐ", { "text:&ｐ" } },
        { "ampersand before a surrogate pair stays", u"&\U0001F600", { "text:&\U0001F600" } },
        { "zero unit ends the template", std::u16string(u"a\0&p", 4), { "text:a" } },
        { "zero unit after an ampersand", std::u16string(u"b&\0p", 4), { "text:b&" } },
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describe(parsed(row.templateText)), row.terms);
    }
}

TEST(ParseTemplate, AppendsToTheTermsAlreadyInTheList)
{
    TermList list;
    parseTemplate(u"&p", list, title, fileName, fixedClock);
    parseTemplate(u"", list, title, fileName, fixedClock);
    parseTemplate(u"/&P", list, title, fileName, fixedClock);
    EXPECT_EQ(describe(list), (std::vector<std::string> { "page", "text:/", "total" }));
}

// The fields stand for their values even when these are empty, so such a template still makes a header line.
TEST(ParseTemplate, KeepsFieldsWithEmptyValues)
{
    TermList list;
    parseTemplate(u"&w&f", list, {}, {}, fixedClock);
    EXPECT_EQ(describe(list), (std::vector<std::string> { "text:", "text:" }));

    const ClockFixed failingClock(std::nullopt);
    EXPECT_EQ(describe(parsed(u"[&d|&t]", failingClock)),
              (std::vector<std::string> { "text:[", "text:", "text:|", "text:", "text:]" }));
}

TEST(ParseTemplate, PadsDateAndTimeWithZeros)
{
    struct Row
    {
        const char* name;
        LocalDateTime dateTime;
        std::u16string expected;
    };
    const std::vector<Row> rows = {
        { "single digits everywhere", { 2026, 1, 2, 3, 4, 5 }, u"2026/01/02 03:04:05" },
        { "midnight", { 2026, 12, 31, 0, 0, 0 }, u"2026/12/31 00:00:00" },
        { "last second of a day", { 2027, 11, 30, 23, 59, 59 }, u"2027/11/30 23:59:59" },
        { "leap second", { 2016, 12, 31, 23, 59, 60 }, u"2016/12/31 23:59:60" },
        { "three-digit year", { 987, 6, 5, 4, 3, 2 }, u"0987/06/05 04:03:02" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ClockFixed clock(row.dateTime);
        EXPECT_EQ(renderTerms(parsed(u"&d &t", clock), { 1, 1 }), row.expected);
    }
}

class CountingClock final : public Clock
{
public:
    std::optional<LocalDateTime> localNow() const override
    {
        ++readings;
        return LocalDateTime { 2026, 12, 7, 23, 59, 58 + readings };
    }

    mutable int readings = 0;
};

TEST(ParseTemplate, ReadsTheClockOncePerParseAndOnlyForDateOrTime)
{
    CountingClock clock;
    parsed(u"&p &P &w &f && &q", clock);
    EXPECT_EQ(clock.readings, 0);

    const TermList list = parsed(u"&t &d &t", clock);
    EXPECT_EQ(clock.readings, 1);
    EXPECT_EQ(renderTerms(list, {}), u"23:59:59 2026/12/07 23:59:59");

    parsed(u"&d", clock);
    EXPECT_EQ(clock.readings, 2);
}

struct RenderRow
{
    const char* name;
    std::u16string templateText;
    PageNumbers numbers;
    std::u16string expected;
};

TEST(RenderTerms, FillsInThePageNumbers)
{
    const std::vector<RenderRow> rows = {
        { "empty list", u"", { 3, 9 }, u"" },
        { "page of total", u"Page &p of &P", { 2, 7 }, u"Page 2 of 7" },
        { "total not yet known", u"Page &p of &P", { 2, 0 }, u"Page 2 of 0" },
        { "doubled ampersand before p", u"&&p", { 5, 5 }, u"&p" },
        { "built-in footer, page 12", u"- &p -", { 12, 40 }, u"- 12 -" },
        { "many digits", u"&p/&P", { 123456, 2147483647 }, u"123456/2147483647" },
        { "text around everything",
          u"[&w|&f|&d|&t|&p|&P|&&|&q|&]",
          { 4, 8 },
          u"[日本語.txt|/home/user/文書/日本語.txt|2026/12/07|09:05:03|4|8|&|&q|&]" },
    };
    for (const RenderRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(renderTerms(parsed(row.templateText), row.numbers), row.expected);
    }
}

TEST(RenderTerms, RendersTheSameListForEveryPage)
{
    const TermList list = parsed(u"&d &p/&P");
    EXPECT_EQ(renderTerms(list, { 1, 3 }), u"2026/12/07 1/3");
    EXPECT_EQ(renderTerms(list, { 2, 3 }), u"2026/12/07 2/3");
    EXPECT_EQ(renderTerms(list, { 3, 3 }), u"2026/12/07 3/3");
}

TEST(BuiltInTemplates, RenderFileNameHeaderAndPageNumberFooter)
{
    EXPECT_EQ(renderTerms(parsed(layoutText::fileNameTemplate), { 1, 0 }), u"【 日本語.txt 】");
    EXPECT_EQ(renderTerms(parsed(layoutText::pageNumberTemplate), { 7, 0 }), u"- 7 -");
    EXPECT_FALSE(parsed(layoutText::fileNameTemplate).empty());
}

TEST(TermList, CopyIsAnEqualIndependentList)
{
    TermList original = parsed(u"&w: &p of &P (&d)");
    TermList copy = original;
    ASSERT_EQ(copy.size(), original.size());
    EXPECT_EQ(describe(copy), describe(original));
    for (std::size_t index = 0; index < copy.size(); ++index) {
        EXPECT_NE(&copy[index], &original[index]);
    }
    original.clear();
    EXPECT_EQ(renderTerms(copy, { 2, 5 }), u"日本語.txt: 2 of 5 (2026/12/07)");
    copy = TermList {};
    EXPECT_TRUE(copy.empty());
}

TEST(NeedsTotalPages, IsTrueOnlyForTheTotalPageEscapeInAnActiveTemplate)
{
    using Field = std::u16string PrintSettings::*;
    const std::vector<std::pair<const char*, Field>> fields = {
        { "headerLeft", &PrintSettings::headerLeft },     { "headerCenter", &PrintSettings::headerCenter },
        { "headerRight", &PrintSettings::headerRight },   { "footerLeft", &PrintSettings::footerLeft },
        { "footerCenter", &PrintSettings::footerCenter }, { "footerRight", &PrintSettings::footerRight },
    };
    struct Row
    {
        const char* name;
        std::u16string templateText;
        bool expected;
    };
    const std::vector<Row> rows = {
        { "total page count", u"&P", true },
        { "page of total", u"Page &p of &P", true },
        { "after an unknown escape", u"&q&P", true },
        { "page number only", u"&p", false },
        { "doubled ampersand before P", u"&&P", false },
        { "trailing ampersand", u"P&", false },
        { "no escapes", u"P", false },
        { "empty", u"", false },
    };
    for (const auto& [fieldName, field] : fields) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(fieldName) + ": " + row.name);
            PrintSettings settings;
            settings.useHeaderFooter = true;
            settings.*field = row.templateText;
            EXPECT_EQ(needsTotalPages(settings), row.expected);
            settings.useHeaderFooter = false;
            EXPECT_FALSE(needsTotalPages(settings));
        }
    }
}

TEST(NeedsTotalPages, IgnoresTheBuiltInTemplates)
{
    PrintSettings settings;
    settings.useHeaderFooter = false;
    settings.showFileName = true;
    settings.showPageNumber = true;
    settings.headerLeft = u"&P";
    EXPECT_FALSE(needsTotalPages(settings));
}

TEST(ClockSystem, GivesAPlausibleLocalDateAndTime)
{
    const std::optional<LocalDateTime> now = systemClock().localNow();
    ASSERT_TRUE(now.has_value());
    EXPECT_GE(now->year, 2024);
    EXPECT_GE(now->month, 1);
    EXPECT_LE(now->month, 12);
    EXPECT_GE(now->day, 1);
    EXPECT_LE(now->day, 31);
    EXPECT_LE(now->hour, 23);
    EXPECT_LE(now->minute, 59);
    EXPECT_LE(now->second, 60);
}

TEST(SourceDateEpoch, NamesAnInstantInUniversalTimeOrNothing)
{
    const struct
    {
        const char* name;
        const char* value;
        std::optional<LocalDateTime> expected;
    } rows[] = {
        { "the epoch", "0", LocalDateTime { 1970, 1, 1, 0, 0, 0, 0 } },
        { "a leap day", "951782400", LocalDateTime { 2000, 2, 29, 0, 0, 0, 0 } },
        { "an instant", "1700000000", LocalDateTime { 2023, 11, 14, 22, 13, 20, 0 } },
        { "empty", "", std::nullopt },
        { "negative", "-1", std::nullopt },
        { "signed", "+5", std::nullopt },
        { "blank before", " 5", std::nullopt },
        { "trailing text", "5s", std::nullopt },
        { "too large", "99999999999999999999", std::nullopt },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sourceDateEpochTime(row.value), row.expected);
    }
}

} // namespace
} // namespace vantolex
