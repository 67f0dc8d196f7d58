#include "render/cairo/PostScriptDateSink.h"

#include <cstdlib>

namespace vantolex {

namespace {

constexpr std::string_view dateComment = "%%CreationDate:";
constexpr std::string_view endComments = "%%EndComments";
constexpr std::size_t maxHeaderBytes = 64 * 1024;

void appendDigits(std::string& text, int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    text += digits;
}

} // namespace

std::string postScriptDateLine(const std::optional<LocalDateTime>& time)
{
    if (!time)
        return {};
    std::string line(dateComment);
    line += " D:";
    appendDigits(line, time->year, 4);
    for (const int part : { time->month, time->day, time->hour, time->minute, time->second })
        appendDigits(line, part, 2);
    line += time->utcOffsetMinutes < 0 ? '-' : '+';
    appendDigits(line, std::abs(time->utcOffsetMinutes) / 60, 2);
    line += '\'';
    appendDigits(line, std::abs(time->utcOffsetMinutes) % 60, 2);
    line += "'\n";
    return line;
}

PostScriptDateSink::PostScriptDateSink(ByteSink& next, const Clock& clock)
    : m_next(next)
    , m_clock(clock)
{
}

int PostScriptDateSink::open(std::u16string_view jobName)
{
    m_header.emplace();
    return m_next.open(jobName);
}

int PostScriptDateSink::write(const unsigned char* data, std::size_t size)
{
    if (!m_header)
        return m_next.write(data, size);
    m_header->append(reinterpret_cast<const char*>(data), size);
    const std::size_t end = m_header->find(endComments);
    if (end == std::string::npos && m_header->size() < maxHeaderBytes)
        return 1;
    return releaseHeader();
}

int PostScriptDateSink::close()
{
    if (m_header) {
        if (const int result = releaseHeader(); result <= 0)
            return result;
    }
    return m_next.close();
}

int PostScriptDateSink::releaseHeader()
{
    std::string header = std::move(*m_header);
    m_header.reset();
    const std::size_t comment = header.find(dateComment);
    const std::size_t end = header.find(endComments);
    if (comment != std::string::npos && (end == std::string::npos || comment < end)
        && (comment == 0 || header[comment - 1] == '\n')) {
        const std::size_t lineEnd = header.find('\n', comment);
        if (lineEnd != std::string::npos)
            header.replace(comment, lineEnd + 1 - comment, postScriptDateLine(m_clock.localNow()));
    }
    return m_next.write(reinterpret_cast<const unsigned char*>(header.data()), header.size());
}

} // namespace vantolex
