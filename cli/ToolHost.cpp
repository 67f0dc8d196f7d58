#include "cli/ToolHost.h"

#include <ostream>

#include "base/Utf16.h"
#include "cli/StandardInputReader.h"
#include "input/Encoding.h"
#include "input/EncodingIndex.h"
#include "layout/DetailRows.h"

namespace vantolex {

ToolHost::ToolHost(const std::vector<std::string>& files, EncodingIndex encoding, std::istream& in, std::ostream& err,
                   std::ostream* details)
    : m_encoding(encoding)
    , m_in(in)
    , m_err(err)
    , m_details(details)
{
    for (const std::string& file : files)
        m_files.push_back({ std::filesystem::path(file), encoding });
}

SourceChoice ToolHost::sourceChoice() const
{
    SourceChoice choice;
    if (m_files.size() == 1) {
        choice.kind = SourceKind::File;
        choice.fileName = fromUtf8(m_files[0].path.string());
        choice.filePath = m_files[0].path; // exactly as given, also when the name is not UTF-8
        choice.encoding = m_encoding;
    } else if (m_files.size() > 1) {
        choice.kind = SourceKind::MultipleFiles;
        choice.files = &m_files;
    } else {
        choice.kind = SourceKind::File; // no file given: refused like an empty file name
    }
    return choice;
}

std::unique_ptr<TextReader> ToolHost::createSourceReader(const PrintSettings& settings)
{
    if (m_files.size() == 1 && m_files[0].path == "-") {
        const std::unique_ptr<Encoding> decoder = createEncoding(m_encoding);
        return std::make_unique<StandardInputReader>(m_in, *decoder);
    }
    return PrintRunHost::createSourceReader(settings);
}

bool ToolHost::confirmDetails(std::u16string_view sampleText, const PrintSettings& settings, const PageLayout& layout)
{
    if (m_details) {
        for (const SettingsRow& row : detailRows(settings, layout, std::u16string(sampleText)))
            *m_details << toUtf8(row.label) << '\t' << toUtf8(row.value) << '\n';
    }
    return true;
}

void ToolHost::report(ReportKind kind, const std::u16string& message)
{
    m_reported = kind;
    m_err << toUtf8(message) << '\n';
}

} // namespace vantolex
