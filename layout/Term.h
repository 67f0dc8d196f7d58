// Header and footer templates: the terms a template is parsed into, and their rendering for one page.
//
// A template is plain text with escapes: "&w" the file name (last path component of the title), "&f" the
// whole title, "&d" the local date (2026/12/07), "&t" the local time (09:05:03), "&p" the page number, "&P"
// the total page count and "&&" one "&". Any other "&x", and an "&" at the end, stay as they are. Escape
// letters are case-sensitive. The date and time are fixed when the template is parsed; only the page numbers
// change from page to page.
//
// Library: vantolex_layout_text. The built-in templates are layoutText::fileNameTemplate ("【 &w 】") and
// layoutText::pageNumberTemplate ("- &p -") in layout/LayoutMessages.h.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/Clock.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

struct PrintSettings;

// The numbers a page renders its terms with.
struct PageNumbers
{
    int page = 0; // 1-based number of the page
    int total = 0; // total page count; 0 while it is unknown (a direct printer output)

    bool operator==(const PageNumbers&) const = default;
};

// One element of a parsed template. Terms are owned through std::unique_ptr and copied only by clone().
class Term
{
public:
    virtual ~Term() = default;

    // The term's text on the page with these numbers.
    virtual std::u16string render(const PageNumbers& numbers) const = 0;

    // A new term equal to this one.
    virtual std::unique_ptr<Term> clone() const = 0;

    Term& operator=(const Term&) = delete;

protected:
    Term() = default;
    Term(const Term&) = default;
};

// Literal text, also the value of "&w", "&f", "&d" and "&t" as it was at parse time.
class TermString final : public Term
{
public:
    explicit TermString(std::u16string text);

    const std::u16string& text() const { return m_text; }

    std::u16string render(const PageNumbers& numbers) const override;
    std::unique_ptr<Term> clone() const override;

private:
    std::u16string m_text;
};

// "&p": the page number in decimal.
class TermPage final : public Term
{
public:
    TermPage() = default;

    std::u16string render(const PageNumbers& numbers) const override;
    std::unique_ptr<Term> clone() const override;
};

// "&P": the total page count in decimal.
class TermTotalPage final : public Term
{
public:
    TermTotalPage() = default;

    std::u16string render(const PageNumbers& numbers) const override;
    std::unique_ptr<Term> clone() const override;
};

// A parsed template: its terms in order. Destroying the list destroys the terms; an empty list draws nothing.
using TermList = std::vector<std::unique_ptr<Term>>;

// A list of clones of the terms of `list`, in the same order.
TermList cloneTerms(const TermList& list);

// Appends the terms of `templateText` to `list`: literal runs as TermString (never an empty one), "&w" as
// `fileName`, "&f" as `title`, "&d" and "&t" as the date and time that `clock` gives (read at most once per
// call; an empty text when the clock fails), "&p" as TermPage, "&P" as TermTotalPage. A U+0000 ends the
// template as its end does. An empty template appends nothing.
void parseTemplate(std::u16string_view templateText, TermList& list, std::u16string_view title,
                   std::u16string_view fileName, const Clock& clock = systemClock());

// The rendered terms of `list` joined in order; an empty list gives an empty string.
std::u16string renderTerms(const TermList& list, const PageNumbers& numbers);

// True when settings.useHeaderFooter is set and one of the six templates holds "&P" (the built-in templates
// never do). Only then must the whole document be laid out before the first page is drawn.
bool needsTotalPages(const PrintSettings& settings);

} // namespace vantolex
