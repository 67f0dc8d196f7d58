// A stream buffer that begins every line written through it with a prefix: vantolex-print's name on standard
// error, so that a log tells whose lines they are.
#pragma once

#include <streambuf>
#include <string>

namespace vantolex {

class LinePrefixBuffer : public std::streambuf
{
public:
    // Writes to `target`, which must outlive the buffer. A line begins at the start and after each "\n" or "\r"
    // (a progress line written over the last); an empty line stays empty.
    LinePrefixBuffer(std::streambuf& target, std::string prefix)
        : m_target(target)
        , m_prefix(std::move(prefix))
    {
    }

protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override { return m_target.pubsync(); }

private:
    std::streambuf& m_target;
    std::string m_prefix;
    bool m_atLineStart = true;
};

} // namespace vantolex
