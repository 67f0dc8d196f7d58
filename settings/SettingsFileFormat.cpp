#include "settings/SettingsFileFormat.h"

#include "base/Utf16.h"
#include "settings/SettingsLineParsing.h"
#include "settings/SettingsRecord.h"

namespace vantolex {

namespace {

std::u16string decimal(std::size_t value)
{
    std::u16string text;
    for (char digit : std::to_string(value))
        text += static_cast<char16_t>(digit);
    return text;
}

} // namespace

std::optional<SettingsFileContents> readSettingsFile(std::span<const std::u16string> lines)
{
    SettingsLines reader(lines);
    const std::u16string* versionLine = reader.next();
    if (!versionLine)
        return std::nullopt;
    const int version = leadingInteger(*versionLine);
    if (version < 0 || version > currentSettingsVersion)
        return std::nullopt;
    const auto format = static_cast<SettingsRecordFormat>(version);

    SettingsFileContents contents;
    contents.version = version;
    contents.whole = true;
    // A current record that cannot be used does not take the presets with it: it always spans its full count
    // of lines, so the presets after it are still where they belong.
    contents.currentRecordRead = readSettingsRecord(format, reader, contents.currentSettings);
    if (!contents.currentRecordRead) {
        contents.currentSettings.resetToDefaults();
        contents.whole = false;
    }

    const std::u16string* countLine = reader.next();
    if (!countLine)
        return std::nullopt;
    const int count = leadingInteger(*countLine);
    for (int i = 0; i < count; ++i) {
        const std::size_t nameIndex = reader.position();
        const std::u16string* nameLine = reader.next();
        if (!nameLine)
            break;
        Preset preset { std::u16string(trimWhiteSpace(*nameLine)), PrintSettings() };
        if (preset.name.empty())
            break;
        if (!readSettingsRecord(format, reader, preset.settings)) {
            contents.whole = false;
            break;
        }
        contents.presets.push_back(std::move(preset));
        contents.presetLines.push_back(nameIndex);
    }
    while (const std::u16string* rest = reader.next()) {
        if (!isBlank(*rest))
            contents.whole = false;
    }
    return contents;
}

std::optional<PrintSettings> readLegacySettingsFile(std::span<const std::u16string> lines)
{
    SettingsLines reader(lines);
    PrintSettings settings;
    if (!readSettingsRecord(SettingsRecordFormat::Legacy, reader, settings))
        return std::nullopt;
    return settings;
}

std::vector<std::u16string> writeSettingsFile(const PrintSettings& currentSettings, std::span<const Preset> presets)
{
    std::vector<std::u16string> lines;
    lines.reserve(2 + 16 * (presets.size() + 1));
    lines.push_back(decimal(currentSettingsVersion));
    writeSettingsRecord(currentSettings, lines);
    lines.push_back(decimal(presets.size()));
    for (const Preset& preset : presets) {
        lines.push_back(preset.name);
        writeSettingsRecord(preset.settings, lines);
    }
    return lines;
}

} // namespace vantolex
