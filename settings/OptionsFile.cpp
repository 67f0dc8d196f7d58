#include "settings/OptionsFile.h"

#include <cerrno>
#include <utility>
#include <vector>

#include "base/Utf16.h"

namespace vantolex {

namespace {

constexpr std::string_view layoutSection = "layout";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

struct OptionKey
{
    std::string_view name;
    bool LayoutOptions::*member;
};

constexpr OptionKey optionKeys[] = {
    { "kinsoku", &LayoutOptions::kinsoku },
    { "supplementary", &LayoutOptions::supplementary },
};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One line of the file: its content without the terminator, and the terminator.
struct Line
{
    std::string_view content;
    std::string_view ending;
};

std::vector<Line> splitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        std::size_t contentEnd = end;
        if (contentEnd > 0 && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        const std::size_t next = newline == std::string_view::npos ? bytes.size() : newline + 1;
        lines.push_back({ bytes.substr(0, contentEnd), bytes.substr(contentEnd, next - contentEnd) });
        bytes.remove_prefix(next);
    }
    return lines;
}

// The section a "[name]" line opens, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view content)
{
    const std::string_view line = trimmed(content);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

// The option a "key=value" line of [layout] sets, with its value.
const OptionKey* optionOf(std::string_view content, std::string_view& value)
{
    const std::string_view line = trimmed(content);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return nullptr;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return nullptr;
    const std::string_view key = trimmed(line.substr(0, equals));
    for (const OptionKey& option : optionKeys) {
        if (key == option.name) {
            value = trimmed(line.substr(equals + 1));
            return &option;
        }
    }
    return nullptr;
}

bool isUtf8(std::string_view bytes)
{
    return toUtf8(fromUtf8(bytes)) == bytes;
}

std::string_view withoutByteOrderMark(std::string_view bytes)
{
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    return bytes;
}

std::string optionLine(const OptionKey& option, const LayoutOptions& options)
{
    return std::string(option.name) + (options.*option.member ? "=true" : "=false");
}

} // namespace

std::filesystem::path optionsPathBeside(const std::filesystem::path& settingsFile)
{
    return settingsFile.parent_path() / std::filesystem::path(toUtf8(optionsFileName));
}

std::optional<LayoutOptions> parseOptionsFile(std::string_view bytes)
{
    if (!isUtf8(bytes))
        return std::nullopt;
    LayoutOptions options;
    bool inLayout = false;
    for (const Line& line : splitLines(withoutByteOrderMark(bytes))) {
        if (const auto section = sectionName(line.content)) {
            inLayout = *section == layoutSection;
            continue;
        }
        std::string_view value;
        const OptionKey* option = inLayout ? optionOf(line.content, value) : nullptr;
        if (option && (value == "true" || value == "false"))
            options.*option->member = value == "true";
    }
    return options;
}

std::string mergeOptionsFile(std::string_view bytes, const LayoutOptions& options)
{
    const std::vector<Line> lines = splitLines(bytes);
    const std::string newline = !lines.empty() && lines.front().ending == "\r\n" ? "\r\n" : "\n";
    bool seen[std::size(optionKeys)] = {};
    // The lines, each option line rewritten; where the first [layout] section ends (after its last line that
    // is not blank), the index to insert the missing keys at.
    std::vector<std::string> out;
    std::optional<std::size_t> insertAt;
    bool inLayout = false;
    bool inFirstLayout = false;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const Line& line = lines[index];
        std::string_view content = line.content;
        if (index == 0)
            content = withoutByteOrderMark(content);
        if (const auto section = sectionName(content)) {
            inFirstLayout = *section == layoutSection && !insertAt;
            inLayout = *section == layoutSection;
            if (inFirstLayout)
                insertAt = out.size() + 1;
        } else if (std::string_view value; inLayout && optionOf(content, value)) {
            const OptionKey& option = *optionOf(content, value);
            seen[&option - optionKeys] = true;
            // The byte-order mark and the indentation stay.
            const std::size_t indent = content.find_first_not_of(" \t");
            const std::string prefix(line.content.substr(0, line.content.size() - content.size() + indent));
            out.push_back(prefix + optionLine(option, options) + std::string(line.ending));
            if (inFirstLayout)
                insertAt = out.size();
            continue;
        } else if (inFirstLayout && !trimmed(content).empty()) {
            insertAt = out.size() + 1;
        }
        out.push_back(std::string(line.content) + std::string(line.ending));
    }
    std::string added;
    for (std::size_t key = 0; key < std::size(optionKeys); ++key) {
        if (!seen[key])
            added += optionLine(optionKeys[key], options) + newline;
    }
    if (!added.empty()) {
        // The line before the insertion must end, so that the new keys start a line of their own.
        const std::size_t at = insertAt.value_or(out.size());
        if (at > 0 && !out[at - 1].ends_with('\n'))
            out[at - 1] += newline;
        if (!insertAt)
            added = "[" + std::string(layoutSection) + "]" + newline + added;
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), added);
    }
    std::string result;
    for (const std::string& piece : out)
        result += piece;
    return result;
}

OptionsFileState readOptionsFile(const std::filesystem::path& settingsFile, SettingsFileSystem& files)
{
    const std::filesystem::path path = optionsPathBeside(settingsFile);
    OptionsFileState state;
    const SettingsFileRead read = files.readFile(path);
    if (read.status == SettingsFileRead::Status::Missing)
        return state;
    const std::optional<LayoutOptions> options
        = read.status == SettingsFileRead::Status::Read ? parseOptionsFile(read.bytes) : std::nullopt;
    if (!options) {
        state.unreadable = true;
        return state;
    }
    state.options = *options;
    return state;
}

OptionsSaveResult saveOptionsFile(const std::filesystem::path& settingsFile, const LayoutOptions& options, int& error,
                                  SettingsFileSystem& files)
{
    error = 0;
    const std::filesystem::path path = optionsPathBeside(settingsFile);
    // The settings file's own lock: the options file is changed only by whoever may change the settings file.
    const SettingsLock lock = files.lock(files.resolve(settingsFile));
    SettingsFileRead current = files.readFile(path);
    const bool exists = current.status != SettingsFileRead::Status::Missing;
    if (exists && (current.status != SettingsFileRead::Status::Read || !parseOptionsFile(current.bytes)))
        return OptionsSaveResult::KeptUnreadable;
    const std::string merged = mergeOptionsFile(current.bytes, options);
    if (exists && merged == current.bytes)
        return OptionsSaveResult::Saved;
    error = files.replaceFile(path, merged);
    return error == 0 ? OptionsSaveResult::Saved : OptionsSaveResult::NotWritten;
}

} // namespace vantolex
