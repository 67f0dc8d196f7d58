// The outputs of a spooled job carry the job's title: the header's "&w" and "&f" show it, not the name of the
// spool file that the text arrives in.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "layout/Output.h"

namespace vantolex {

class JobTitleFactory final : public OutputFactory
{
public:
    // `factory` must outlive this one.
    JobTitleFactory(OutputFactory& factory, std::u16string title)
        : m_factory(factory)
        , m_title(std::move(title))
    {
    }

    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view) override
    {
        return m_factory.createOutput(settings, m_title);
    }

private:
    OutputFactory& m_factory;
    std::u16string m_title;
};

} // namespace vantolex
