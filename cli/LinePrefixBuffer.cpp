#include "cli/LinePrefixBuffer.h"

#include <algorithm>

namespace vantolex {

namespace {

bool endsLine(char character)
{
    return character == '\n' || character == '\r';
}

} // namespace

LinePrefixBuffer::int_type LinePrefixBuffer::overflow(int_type character)
{
    if (traits_type::eq_int_type(character, traits_type::eof()))
        return traits_type::not_eof(character);
    const char written = traits_type::to_char_type(character);
    return xsputn(&written, 1) == 1 ? character : traits_type::eof();
}

std::streamsize LinePrefixBuffer::xsputn(const char* text, std::streamsize count)
{
    const auto prefixSize = static_cast<std::streamsize>(m_prefix.size());
    std::streamsize done = 0;
    while (done < count) {
        const char* begin = text + done;
        if (m_atLineStart && !endsLine(*begin)) {
            if (m_target.sputn(m_prefix.data(), prefixSize) != prefixSize)
                return done;
            m_atLineStart = false;
        }
        // Through the end of this line, its "\n" or "\r" included.
        const char* end = std::find_if(begin, text + count, endsLine);
        if (end != text + count)
            ++end;
        const auto length = static_cast<std::streamsize>(end - begin);
        if (m_target.sputn(begin, length) != length)
            return done;
        done += length;
        m_atLineStart = endsLine(end[-1]);
    }
    return done;
}

} // namespace vantolex
