// One settings record in the lines of a settings file: the readers of format versions 0 to 5 and of the
// legacy single-record file, and the writer of the version 5 layout.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/PrintSettings.h"

namespace vantolex {

// The record layouts. The numbers of Version0 to Version5 are the format versions of the settings file.
enum class SettingsRecordFormat : int
{
    Version0 = 0,
    Version1 = 1,
    Version2 = 2,
    Version3 = 3,
    Version4 = 4,
    Version5 = 5,
    Legacy = 100, // the record of the older single-record file
};

// The newest format version: the one that is written.
inline constexpr int currentSettingsVersion = 5;

// How many lines a record of `format` takes.
int recordLineCount(SettingsRecordFormat format);

// The decoded lines of a settings file, handed out one after the other.
class SettingsLines
{
public:
    explicit SettingsLines(std::span<const std::u16string> lines)
        : m_lines(lines)
    {
    }

    // The next line, or null at the end of the file.
    const std::u16string* next() { return m_position < m_lines.size() ? &m_lines[m_position++] : nullptr; }

    // The index of the line that next() hands out.
    std::size_t position() const { return m_position; }

private:
    std::span<const std::u16string> m_lines;
    std::size_t m_position = 0;
};

// Reads one record of `format` into `settings`, giving the fields that the format lacks their values for
// that format. Always takes the record's full count of lines, so that a failed record leaves `lines` at the
// start of what follows it; fails when the file ends before that, when a numbers line cannot be parsed, or
// when the record does not pass isValid. `settings` may be partly changed on failure.
bool readSettingsRecord(SettingsRecordFormat format, SettingsLines& lines, PrintSettings& settings);

// Appends the 15 lines of the version 5 layout of `settings`; text fields exactly as held.
void writeSettingsRecord(const PrintSettings& settings, std::vector<std::u16string>& lines);

} // namespace vantolex
