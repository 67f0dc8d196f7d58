#include "cli/StandardInputReader.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "cli/CliMessages.h"
#include "input/InputMessages.h"

namespace vantolex {

StandardInputReader::StandardInputReader(std::istream& in, const Encoding& decoder, std::int64_t limit)
{
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (static_cast<std::int64_t>(bytes.size()) > limit)
            throw Error(std::u16string(inputText::fileTooLarge)); // before it grows any further
    }
    if (in.bad())
        throw Error(std::u16string(cliText::standardInputFailed));
    TextBuffer buffer = allocateTextBuffer(bytes.size());
    std::memcpy(byteData(buffer), bytes.data(), bytes.size());
    const int length = static_cast<int>(bytes.size());
    bytes = std::string(); // the text is held once, in the buffer
    setEncodedText(std::move(buffer), length, decoder);
}

std::u16string StandardInputReader::title() const
{
    return std::u16string(cliText::standardInputTitle);
}

} // namespace vantolex
