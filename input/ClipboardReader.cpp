#include "input/ClipboardReader.h"

#include <algorithm>

#include "base/Errors.h"
#include "input/InputMessages.h"

namespace vantolex {
namespace {

// Keeps the clipboard open for one scope.
class OpenClipboard
{
public:
    explicit OpenClipboard(ClipboardSource& source)
        : m_source(source)
    {
        if (!m_source.open())
            throw Error(std::u16string(inputText::clipboardOpenFailed));
    }
    ~OpenClipboard() { m_source.close(); }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;

private:
    ClipboardSource& m_source;
};

} // namespace

ClipboardReader::ClipboardReader(ClipboardSource& source)
{
    const OpenClipboard clipboard(source);
    const ClipboardSource::Data data = source.unicodeText();
    switch (data.status) {
    case ClipboardSource::Status::NoText:
        throw Error(std::u16string(inputText::clipboardNoText));
    case ClipboardSource::Status::LockFailed:
        throw Error(std::u16string(inputText::clipboardLockFailed));
    case ClipboardSource::Status::Ok:
        break;
    }
    if (data.units.empty())
        throw Error(std::u16string(inputText::clipboardEmptyBlock));
    // The copy, given a 0 unit at its end when the block has none.
    const std::size_t length = std::min(data.units.size(), data.units.find(u'\0'));
    TextBuffer buffer = std::make_unique_for_overwrite<char16_t[]>(length + 1);
    std::copy_n(data.units.data(), length, buffer.get());
    buffer[length] = 0;
    setText(std::move(buffer), 0);
}

std::u16string ClipboardReader::title() const
{
    return std::u16string(inputText::clipboardTitle);
}

} // namespace vantolex
