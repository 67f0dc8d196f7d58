#include "cli/EncodingHint.h"

#include <fstream>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "input/Utf8Check.h"

namespace vantolex {

namespace {

// Enough text to tell, little enough to read it twice for nothing.
constexpr std::streamsize sampleBytes = 64 * 1024;

} // namespace

std::vector<std::u16string> utf8Hints(const std::vector<std::string>& files)
{
    std::vector<std::u16string> hints;
    for (const std::string& file : files) {
        if (file == "-")
            continue;
        std::ifstream stream(file, std::ios::binary);
        if (!stream)
            continue;
        std::string sample(static_cast<std::size_t>(sampleBytes), '\0');
        stream.read(sample.data(), sampleBytes);
        const std::streamsize got = stream.gcount();
        const bool cutShort = got == sampleBytes && stream.peek() != std::char_traits<char>::eof();
        sample.resize(static_cast<std::size_t>(got));
        const std::span bytes(reinterpret_cast<const unsigned char*>(sample.data()), sample.size());
        if (isNonAsciiUtf8(bytes, cutShort))
            hints.push_back(formatText(cliText::utf8Hint, { std::u16string_view(fromUtf8(file)) }));
    }
    return hints;
}

} // namespace vantolex
