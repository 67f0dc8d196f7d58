// The reader of the text on the clipboard.
#pragma once

#include "input/ClipboardSource.h"
#include "input/TextReader.h"

namespace vantolex {

class ClipboardReader : public TextReader
{
public:
    // Copies the clipboard's Unicode text, up to its first 0 unit; a byte-order mark stays a character.
    // The clipboard is closed again before the constructor returns or raises. Raises Error with
    // inputText::clipboardOpenFailed, clipboardNoText, clipboardEmptyBlock or clipboardLockFailed.
    explicit ClipboardReader(ClipboardSource& source);

    // "クリップボード"
    std::u16string title() const override;
};

} // namespace vantolex
