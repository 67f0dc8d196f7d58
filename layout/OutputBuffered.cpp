#include "layout/OutputBuffered.h"

#include <cassert>

namespace vantolex {

OutputBuffered::OutputBuffered(Device& device, const PrintSettings& settings, std::u16string_view title,
                               const Clock& clock)
    : Output(device, settings, title, clock)
    , m_pageStore(std::make_unique<PageStore>())
{
    startFirstPage();
}

OutputBuffered::OutputBuffered(std::unique_ptr<Device> device, const PrintSettings& settings, std::u16string_view title,
                               const Clock& clock)
    : Output(std::move(device), settings, title, clock)
    , m_pageStore(std::make_unique<PageStore>())
{
    startFirstPage();
}

void OutputBuffered::startFirstPage()
{
    Output::newPage();
    m_pageStore->addPageBoundary();
}

OutputBuffered::~OutputBuffered() = default;

void OutputBuffered::newPage()
{
    Output::newPage();
    assert(m_pageStore);
    m_pageStore->addPageBoundary();
}

void OutputBuffered::emitLine()
{
    assert(m_pageStore);
    m_pageStore->addLine(column(), lineInColumn(), lineText());
}

void OutputBuffered::completePages()
{
    assert(m_pageStore);
    m_pageStore->addPageBoundary();
    mutableLayout().totalPages = m_pageStore->pageCount();
}

} // namespace vantolex
