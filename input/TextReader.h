// The source of everything printed: one file, a list of files or the clipboard, delivered one item (a line,
// a column break, a page break) at a time.
#pragma once

#include <memory>
#include <string>

#include "input/Encoding.h"
#include "input/TextLine.h"
#include "input/TextSource.h"

namespace vantolex {

// A reader holds a window of its decoded text, never the whole of it: the units from the start of the item
// delivered last up to what its source has handed over so far (at least one piece, at most the longest line
// and a piece more). It splits the window into lines in place: the terminator of each line delivered is
// overwritten with a 0 unit, so line texts are pointers into the window and nothing is copied.
// CR LF, CR and LF end a line; a final line without terminator is delivered, a terminator at the very end
// gives no extra empty line; a form feed as the first unit of a line is a column break (one line break
// directly after it is part of the break); a 0 unit ends the whole text; an empty text is one empty line.
class TextReader
{
public:
    virtual ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    // Advances to the next item; false when the text is exhausted (then it is not called again). Raises what
    // reading the source raises.
    virtual bool nextLine();

    // The item reached by the last successful nextLine().
    virtual TextLine currentLine() const;

    // Starts again before the first item, reading the source anew (a file from its start), for a second pass
    // over the same text.
    virtual void rewind();

    // The source's title for the header and footer.
    virtual std::u16string title() const = 0;

    // The first run of printable characters at or after the reading position: non-printable units are
    // skipped, then the printable ones that follow are taken. Empty when nothing printable is left or the
    // reader holds no text of its own (a multi reader). Reads ahead as far as the run goes, which may move
    // the window: the current item's text is then to be asked for again.
    std::u16string sampleText() const;

    // Units the window holds room for: what the reader keeps of its text in memory.
    std::size_t windowCapacity() const { return m_window.capacity(); }

protected:
    TextReader();

    // Reads from `source`; with `skipByteOrderMark` one U+FEFF at the very start of the text is skipped.
    void setSource(std::unique_ptr<TextSource> source, bool skipByteOrderMark);

    // For a text already whole in memory: takes a decoded text that ends with a 0 unit; reading starts `start`
    // units into it.
    void setText(TextBuffer buffer, std::size_t start);

    // For bytes already whole in memory: decodes the `length` bytes in `buffer` (allocateTextBuffer) with
    // `decoder` at once and takes the text, skipping one byte-order mark (U+FEFF) at its start, whatever the
    // encoding. Raises what the decoder raises. Readers of files decode piece by piece instead (setSource).
    void setEncodedText(TextBuffer buffer, int length, const Encoding& decoder);

private:
    // Reads on until the window holds `count` units from the cursor on, or the text has ended; false when
    // it has ended first.
    bool ensureUnits(std::size_t count) const;
    void start() const;

    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    std::unique_ptr<TextSource> m_source; // null for a reader without text of its own
    bool m_skipByteOrderMark = false;
    // Reading ahead (sampleText) changes what the window holds, not what the reader delivers.
    mutable std::u16string m_window; // the text from the item delivered last on; a 0 unit ends the text
    mutable bool m_started = false; // the first units have been read and a byte-order mark skipped
    mutable bool m_ended = false; // the source has handed over all of the text, or a 0 unit came
    mutable std::size_t m_lineStart = none; // index of the item delivered last; none before the first
    mutable std::size_t m_cursor = 0; // scanning position in m_window
};
} // namespace vantolex
