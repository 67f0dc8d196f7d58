// The source of everything printed: one file, a list of files or the clipboard, delivered one item (a line,
// a column break, a page break) at a time.
#pragma once

#include <string>

#include "input/Encoding.h"
#include "input/TextLine.h"

namespace vantolex {

// A reader holds its whole decoded text and splits it into lines in place: the terminator of each line
// delivered is overwritten with a 0 unit, so line texts are pointers into the buffer and nothing is copied.
// CR LF, CR and LF end a line; a final line without terminator is delivered, a terminator at the very end
// gives no extra empty line; a form feed as the first unit of a line is a column break (one line break
// directly after it is part of the break); a 0 unit ends the whole text; an empty text is one empty line.
class TextReader
{
public:
    virtual ~TextReader() = default;
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    // Advances to the next item; false when the text is exhausted (then it is not called again).
    virtual bool nextLine();

    // The item reached by the last successful nextLine().
    virtual TextLine currentLine() const;

    // The source's title for the header and footer.
    virtual std::u16string title() const = 0;

    // The first run of printable characters at or after the reading position: non-printable units are
    // skipped, then the printable ones that follow are taken. Empty when nothing printable is left or the
    // reader holds no text of its own (a multi reader).
    std::u16string sampleText() const;

protected:
    TextReader() = default;

    // Takes a decoded text that ends with a 0 unit; reading starts `start` units into it.
    void setText(TextBuffer buffer, std::size_t start);

    // Decodes the `length` bytes in `buffer` (allocateTextBuffer) with `decoder` and takes the text, skipping
    // one byte-order mark (U+FEFF) at its start, whatever the encoding. Raises what the decoder raises.
    void setEncodedText(TextBuffer buffer, int length, const Encoding& decoder);

private:
    TextBuffer m_buffer; // the decoded text, or null
    char16_t* m_lineStart = nullptr; // start of the item delivered last; null before the first
    char16_t* m_cursor = nullptr; // scanning position in m_buffer
};

} // namespace vantolex
