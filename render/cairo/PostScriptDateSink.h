// The date line of a PostScript document, taken from the program's clock rather than Cairo's.
#pragma once

#include <optional>
#include <string>

#include "layout/ByteSink.h"
#include "layout/Clock.h"

namespace vantolex {

// Passes a PostScript document on to `next`, with the "%%CreationDate:" line of its header comments written from
// `clock` (as "D:YYYYMMDDHHMMSS+HH'MM'", the form of a PDF date): Cairo writes the system's time there, which
// would make two runs differ although the clock names one instant (SOURCE_DATE_EPOCH). A clock that cannot tell
// the time drops the line. The header is held back until its comments end, at most 64 KiB.
class PostScriptDateSink final : public ByteSink
{
public:
    // Both must outlive the sink.
    PostScriptDateSink(ByteSink& next, const Clock& clock);

    int open(std::u16string_view jobName) override;
    int write(const unsigned char* data, std::size_t size) override;
    int endPage() override { return m_next.endPage(); }
    int close() override;
    void abandon() noexcept override { m_next.abandon(); }
    std::u16string failureText() const override { return m_next.failureText(); }

private:
    // Writes the held header, its date line replaced, and stops holding.
    int releaseHeader();

    ByteSink& m_next;
    const Clock& m_clock;
    std::optional<std::string> m_header; // held while the header comments go on
};

// The line that replaces Cairo's, with its line end; empty without a time.
std::string postScriptDateLine(const std::optional<LocalDateTime>& time);

} // namespace vantolex
