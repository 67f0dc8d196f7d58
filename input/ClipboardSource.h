// Where the clipboard reader takes its text from: the desktop clipboard in the dialog program, a fixed text
// in tests. The steps and their failure points are those of the platform's clipboard interface.
#pragma once

#include <string>

namespace vantolex {

class ClipboardSource
{
public:
    virtual ~ClipboardSource() = default;

    // Opens the clipboard for reading; false when it cannot be opened. Every successful open is followed by
    // exactly one close().
    virtual bool open() = 0;

    // Closes what open() opened.
    virtual void close() noexcept = 0;

    enum class Status
    {
        Ok, // the text is in `units`
        NoText, // the clipboard holds no Unicode text
        LockFailed, // the text is there but cannot be read
    };

    struct Data
    {
        Status status = Status::NoText;
        // The whole Unicode text block as the clipboard holds it: its units normally end with a 0 unit; an
        // empty block has no units at all.
        std::u16string units;
    };

    // The clipboard's Unicode text block; called only while open.
    virtual Data unicodeText() = 0;
};

} // namespace vantolex
