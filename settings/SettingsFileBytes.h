// The byte form of the settings files: Shift JIS (code page 932) text with CR LF line ends.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantolex {

// The lines of a settings file, each decoded from code page 932 and without its line end. Lines end at LF;
// a CR right before the LF belongs to the line end. A last line without LF still counts; nothing after the
// last LF is no line.
std::vector<std::u16string> decodeSettingsLines(std::string_view bytes);

// The lines of a settings file as its bytes, split as decodeSettingsLines splits them: line i here is the
// bytes of line i there.
std::vector<std::string_view> splitSettingsLines(std::string_view bytes);

// The bytes of `lines` in code page 932, each followed by CR LF. Nullopt when a line holds a character that
// code page 932 cannot hold, or a line feed, which would split the line on reading.
std::optional<std::string> encodeSettingsLines(std::span<const std::u16string> lines);

// The first character of `text` that a line of a settings file cannot hold (one outside code page 932, a line
// feed, a lone surrogate), or nullopt when it can hold all of them.
std::optional<char32_t> unstorableCharacter(std::u16string_view text);

// True when `text` can be one line of a settings file: every character is one that code page 932 holds, and
// there is no line feed.
bool storableInSettingsFile(std::u16string_view text);

} // namespace vantolex
