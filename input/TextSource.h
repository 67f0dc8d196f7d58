// Where a text reader's decoded units come from, a piece at a time.
#pragma once

#include <string>

namespace vantolex {

class TextSource
{
public:
    virtual ~TextSource() = default;

    // Appends the next decoded units of the text to `units`, possibly none; false once the text has ended and
    // nothing was appended. Raises Error when the text cannot be read.
    virtual bool read(std::u16string& units) = 0;

    // Starts the text again from its beginning.
    virtual void rewind() = 0;
};

// A text held in memory, handed out whole.
class MemoryTextSource final : public TextSource
{
public:
    explicit MemoryTextSource(std::u16string text)
        : m_text(std::move(text))
    {
    }

    bool read(std::u16string& units) override
    {
        if (m_done)
            return false;
        units += m_text;
        m_done = true;
        return true;
    }

    void rewind() override { m_done = false; }

private:
    std::u16string m_text;
    bool m_done = false;
};

} // namespace vantolex
