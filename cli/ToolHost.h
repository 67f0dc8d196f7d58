// The print run's host in vantolex-print: the source from the command line, reports on standard error.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "input/FileEntry.h"
#include "layout/PrintRun.h"

namespace vantolex {

class ToolHost : public PrintRunHost
{
public:
    // `files` as given on the command line ("-" for standard input), each decoded with `encoding`.
    // `details` is where the details rows go when they are asked for, or null.
    ToolHost(const std::vector<std::string>& files, EncodingIndex encoding, std::istream& in, std::ostream& err,
             std::ostream* details);

    SourceChoice sourceChoice() const override;
    // Standard input for the single file "-", a single file opened by its path's bytes as given, otherwise the
    // usual readers.
    std::unique_ptr<TextReader> createSourceReader(const PrintSettings& settings) override;
    bool clipboardHasText() override { return false; }
    bool confirmDetails(std::u16string_view sampleText, const PrintSettings& settings,
                        const PageLayout& layout) override;
    void setBusy(bool) override { }
    void report(ReportKind kind, const std::u16string& message) override;

    // What the run reported last, if anything.
    const std::optional<ReportKind>& reported() const { return m_reported; }

private:
    std::vector<FileEntry> m_files;
    EncodingIndex m_encoding;
    std::istream& m_in;
    std::ostream& m_err;
    std::ostream* m_details;
    std::optional<ReportKind> m_reported;
};

} // namespace vantolex
