#include "filter/FilterHost.h"

#include "base/Utf16.h"

namespace vantolex {

void writeFilterMessage(std::ostream& err, std::string_view prefix, std::u16string_view message)
{
    std::size_t start = 0;
    while (start <= message.size()) {
        std::size_t end = message.find(u'\n', start);
        if (end == std::u16string_view::npos)
            end = message.size();
        std::u16string_view line = message.substr(start, end - start);
        if (line.ends_with(u'\r'))
            line.remove_suffix(1);
        if (!line.empty())
            err << prefix << toUtf8(line) << '\n';
        start = end + 1;
    }
    err.flush();
}

SourceChoice FilterHost::sourceChoice() const
{
    SourceChoice choice;
    choice.kind = SourceKind::File;
    choice.fileName = fromUtf8(m_path.string());
    choice.filePath = m_path;
    choice.encoding = m_encoding;
    return choice;
}

void FilterHost::report(ReportKind, const std::u16string& message)
{
    // Warnings too end the job: nobody is there to put them right.
    writeFilterMessage(m_err, "ERROR: ", message);
}

} // namespace vantolex
