// The desktop clipboard as the clipboard reader's source.
#pragma once

#include "input/ClipboardSource.h"

namespace vantolex {

// Reads the text of the clipboard (not of the X selection). Like a Unicode text block of the clipboard, the
// units end with a 0 unit, so an empty text is one empty line.
class QtClipboardSource : public ClipboardSource
{
public:
    bool open() override { return true; }
    void close() noexcept override { }
    Data unicodeText() override;

    // Whether the clipboard holds text at all.
    static bool hasText();
};

} // namespace vantolex
