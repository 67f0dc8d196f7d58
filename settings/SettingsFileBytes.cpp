#include "settings/SettingsFileBytes.h"

#include "input/CodePage932.h"

namespace vantolex {

std::vector<std::u16string> decodeSettingsLines(std::string_view bytes)
{
    // Lines are split on the bytes before decoding: LF and CR are never the second byte of a double-byte
    // character, and a lead byte left at the end of a line must not swallow its line end.
    std::vector<std::u16string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(cp932::decode(line));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
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

bool storableInSettingsFile(std::u16string_view text)
{
    return text.find(u'\n') == std::u16string_view::npos && cp932::encode(text).has_value();
}

} // namespace vantolex
