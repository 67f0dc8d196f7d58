// Header and footer templates: the terms a template is parsed into (TemplateParser.h), and their rendering
// for one page. Only the page numbers change from page to page.
//
// Library: vantolex_layout_text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantolex {

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

// A parsed template: its terms in order; an empty list draws nothing. The list owns its terms: a copy holds
// clones of them, so that whatever holds lists (the page layout, the preview's copy of it) copies itself.
class TermList
{
public:
    using Terms = std::vector<std::unique_ptr<Term>>;

    TermList() = default;
    TermList(const TermList& other);
    TermList& operator=(const TermList& other);
    TermList(TermList&&) noexcept = default;
    TermList& operator=(TermList&&) noexcept = default;
    ~TermList() = default;

    void push_back(std::unique_ptr<Term> term) { m_terms.push_back(std::move(term)); }
    void clear() noexcept { m_terms.clear(); }

    bool empty() const noexcept { return m_terms.empty(); }
    std::size_t size() const noexcept { return m_terms.size(); }
    const Term& operator[](std::size_t index) const { return *m_terms[index]; }
    Terms::const_iterator begin() const noexcept { return m_terms.begin(); }
    Terms::const_iterator end() const noexcept { return m_terms.end(); }

private:
    Terms m_terms;
};

// The rendered terms of `list` joined in order; an empty list gives an empty string.
std::u16string renderTerms(const TermList& list, const PageNumbers& numbers);

} // namespace vantolex
