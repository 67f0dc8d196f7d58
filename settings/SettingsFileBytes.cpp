#include "settings/SettingsFileBytes.h"

#include "input/CodePage932.h"

namespace vantolex {

std::vector<std::string_view> splitSettingsLines(std::string_view bytes)
{
    // Lines are split on the bytes before decoding: LF and CR are never the second byte of a double-byte
    // character, and a lead byte left at the end of a line must not swallow its line end.
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

std::vector<std::u16string> decodeSettingsLines(std::string_view bytes)
{
    std::vector<std::u16string> lines;
    for (const std::string_view line : splitSettingsLines(bytes))
        lines.push_back(cp932::decode(line));
    return lines;
}

std::optional<std::string> encodeSettingsLines(std::span<const std::u16string> lines)
{
    std::string bytes;
    for (const std::u16string& line : lines) {
        if (line.find(u'\n') != std::u16string::npos)
            return std::nullopt;
        const std::optional<std::string> encoded = cp932::encode(line);
        if (!encoded)
            return std::nullopt;
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<char32_t> unstorableCharacter(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const char16_t unit = text[i];
        const bool pair
            = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        const std::size_t length = pair ? 2 : 1;
        if (unit == u'\n' || !cp932::encode(text.substr(i, length)))
            return pair ? 0x10000 + ((char32_t { unit } - 0xD800) << 10) + (char32_t { text[i + 1] } - 0xDC00)
                        : char32_t { unit };
        i += length;
    }
    return std::nullopt;
}

bool storableInSettingsFile(std::u16string_view text)
{
    return !unstorableCharacter(text);
}

} // namespace vantolex
