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
    // The copy, up to the first 0 unit; the text is already in memory, so the reader takes it whole.
    const std::size_t length = std::min(data.units.size(), data.units.find(u'\0'));
    setSource(std::make_unique<MemoryTextSource>(data.units.substr(0, length)), false);
}

std::u16string ClipboardReader::title() const
{
    return std::u16string(inputText::clipboardTitle);
}

} // namespace vantolex
