#include "cli/Progress.h"

#include <ostream>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"

namespace vantolex {

Progress::Progress(std::ostream& err, bool shown)
    : m_err(err)
    , m_shown(shown)
{
}

void Progress::finish()
{
    if (m_pages > 0)
        m_err << toUtf8(formatText(cliText::progressDone, { m_pages })) << std::flush;
    m_pages = 0;
}

std::function<void(int)> Progress::callback()
{
    if (!m_shown)
        return {};
    return [this](int page) {
        m_pages = page;
        m_err << toUtf8(formatText(cliText::progress, { page })) << std::flush;
    };
}

} // namespace vantolex
