#include "layout/Term.h"

#include <utility>

#include "base/TextFormat.h"

namespace vantolex {

TermString::TermString(std::u16string text)
    : m_text(std::move(text))
{
}

std::u16string TermString::render(const PageNumbers&) const
{
    return m_text;
}

std::unique_ptr<Term> TermString::clone() const
{
    return std::make_unique<TermString>(*this);
}

std::u16string TermPage::render(const PageNumbers& numbers) const
{
    return decimalText(numbers.page);
}

std::unique_ptr<Term> TermPage::clone() const
{
    return std::make_unique<TermPage>(*this);
}

std::u16string TermTotalPage::render(const PageNumbers& numbers) const
{
    return decimalText(numbers.total);
}

std::unique_ptr<Term> TermTotalPage::clone() const
{
    return std::make_unique<TermTotalPage>(*this);
}

TermList::TermList(const TermList& other)
{
    m_terms.reserve(other.size());
    for (const auto& term : other) {
        m_terms.push_back(term->clone());
    }
}

TermList& TermList::operator=(const TermList& other)
{
    if (this != &other) {
        TermList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

std::u16string renderTerms(const TermList& list, const PageNumbers& numbers)
{
    std::u16string text;
    for (const auto& term : list) {
        text += term->render(numbers);
    }
    return text;
}

} // namespace vantolex
