// A reader of several parts, each a reader of its own, with separator items between them.
#pragma once

#include <memory>

#include "input/SeparatorMethod.h"
#include "input/TextReader.h"

namespace vantolex {

class MultiReader : public TextReader
{
public:
    // `separatorMethod` is a SeparatorMethod (0 blank lines, 1 column break, 2 page break); `separatorLines`
    // (0 or more) is the number of blank lines between two parts under blank lines; the breaks come once.
    MultiReader(int separatorMethod, int separatorLines);

    // The items of each part in turn, the separator items between two parts (none before the first part,
    // none after the last). Raises what opening a part raises; the reader then holds no part.
    bool nextLine() override;

    // A separator item: an empty Text line, a ColumnBreak or a PageBreak by the separator method; otherwise
    // the current part's item.
    TextLine currentLine() const override;

    // Starts again before the first part; a derived reader that keeps its own place among the parts starts
    // that again too.
    void rewind() override;

protected:
    // The reader of the next part, or none when there are no more parts.
    virtual std::unique_ptr<TextReader> openNextReader() = 0;

private:
    int m_separatorMethod;
    int m_separatorCount; // separator items between two parts
    int m_pendingSeparators = 0; // separator items still to deliver
    bool m_inSeparator = false; // the item delivered last is a separator item
    std::unique_ptr<TextReader> m_current; // the part being read
};

} // namespace vantolex
