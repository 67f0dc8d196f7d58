// The print run's host in vantolex-texttopdf: the job's file as the source, failures as ERROR lines for the
// spooler.
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "input/EncodingIndex.h"
#include "layout/PrintRun.h"

namespace vantolex {

// Writes `message` to `err` for the spooler: each of its lines that is not empty after `prefix` ("ERROR: ",
// "INFO: ").
void writeFilterMessage(std::ostream& err, std::string_view prefix, std::u16string_view message);

class FilterHost final : public PrintRunHost
{
public:
    // The text of the file at `path`, decoded with `encoding`.
    FilterHost(std::filesystem::path path, EncodingIndex encoding, std::ostream& err)
        : m_path(std::move(path))
        , m_encoding(encoding)
        , m_err(err)
    {
    }

    SourceChoice sourceChoice() const override;
    bool clipboardHasText() override { return false; }
    bool confirmDetails(std::u16string_view, const PrintSettings&, const PageLayout&) override { return true; }
    void setBusy(bool) override { }
    void report(ReportKind kind, const std::u16string& message) override;

private:
    std::filesystem::path m_path;
    EncodingIndex m_encoding;
    std::ostream& m_err;
};

} // namespace vantolex
