#include <sys/stat.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "settings/FailingFileSystems.h"
#include "settings/SettingsComparison.h"
#include "settings/SettingsStore.h"
#include "settings/TemporaryDirectory.h"

namespace vantolex {
namespace {

using test::differingFields;
using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;
using NoDifference = std::vector<std::string>;

PrintSettings defaults()
{
    PrintSettings settings;
    settings.resetToDefaults();
    return settings;
}

std::vector<std::u16string> namesOf(const SettingsStore& store)
{
    std::vector<std::u16string> names;
    for (const Preset& preset : store.presets())
        names.push_back(preset.name);
    return names;
}

// Shift JIS of the texts used below.
constexpr std::string_view sjisNihongo = "\x93\xfa\x96\x7b\x8c\xea"; // 日本語
constexpr std::string_view sjisMincho = "\x82\x6c\x82\x72 \x96\xbe\x92\xa9"; // ＭＳ 明朝
constexpr std::string_view sjisShokichi = "\x8f\x89\x8a\xfa\x92\x6c"; // 初期値

std::string defaultRecordBytes()
{
    return "96,100,5,2,8,0,1\r\n0,0,0\r\n1,0,4,0,0,0\r\n" + std::string(sjisNihongo) + "\r\n" + std::string(sjisMincho)
        + "\r\n0,0\r\n0,20,20,20,20,1,8\r\n0,1\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
}

// What resetAll leaves, as written.
std::string resetFileBytes()
{
    return "5\r\n" + defaultRecordBytes() + "1\r\n" + std::string(sjisShokichi) + "\r\n" + defaultRecordBytes();
}

// Settings with Japanese in every text field.
PrintSettings japaneseSettings()
{
    PrintSettings settings = test::unusualSettings();
    settings.language = u"日本語";
    settings.fontName = u"@ＭＳ ゴシック";
    settings.headerLeft = u"&f（全角）";
    settings.headerCenter = u" 第&pページ ";
    settings.headerRight = u"ｶﾀｶﾅ ①②";
    settings.footerLeft = u"&d &t 印刷";
    settings.footerCenter = u"- &p / &P -";
    settings.footerRight = u"～∥－￢";
    return settings;
}

class SettingsStoreTest : public ::testing::Test
{
protected:
    std::filesystem::path datPath() const { return m_directory.path() / "VANTOLEX.DAT"; }
    std::filesystem::path cnfPath() const { return m_directory.path() / "VANTOLEX.CNF"; }
    const std::filesystem::path& directory() const { return m_directory.path(); }

private:
    TemporaryDirectory m_directory;
};

TEST_F(SettingsStoreTest, WithoutFilesStartsFromDefaultsAndTheInitialPreset)
{
    {
        SettingsStore store(datPath());
        EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
        EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
        EXPECT_EQ(differingFields(store.presets()[0].settings, defaults()), NoDifference {});
        EXPECT_TRUE(store.messageBuffer.empty());
    }
    EXPECT_EQ(readBytes(datPath()), resetFileBytes());
}

TEST_F(SettingsStoreTest, ReadOnlyStoreWritesNothingOnDestruction)
{
    {
        SettingsStore store(datPath(), SettingsAccess::ReadOnly);
        store.currentSettings.columns = 4;
    }
    EXPECT_FALSE(std::filesystem::exists(datPath()));
}

TEST_F(SettingsStoreTest, SaveForExitLeavesNothingForDestruction)
{
    {
        SettingsStore store(datPath());
        store.currentSettings.columns = 4;
        EXPECT_EQ(store.saveForExit(), SaveResult::Saved);
        store.currentSettings.columns = 5; // not written: the exit's save has been made
    }
    SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
    EXPECT_EQ(reread.currentSettings.columns, 4);
}

TEST_F(SettingsStoreTest, VersionFiveRoundTripIsByteForByte)
{
    {
        SettingsStore store(datPath());
        store.currentSettings = japaneseSettings();
        store.addPreset(u"縦書き 3段（ゴシック）", japaneseSettings());
        store.addPreset(u"初期値", defaults());
        store.addPreset(u"ＡＢＣ①", test::unusualSettings());
        ASSERT_EQ(store.save(), SaveResult::Saved);
    }
    const std::string first = readBytes(datPath());
    const auto copyPath = directory() / "copy.dat";
    {
        SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
        EXPECT_EQ(namesOf(reread),
                  (std::vector<std::u16string> { u"初期値", u"縦書き 3段（ゴシック）", u"初期値", u"ＡＢＣ①" }));
        EXPECT_EQ(differingFields(reread.currentSettings, japaneseSettings()), NoDifference {});
        EXPECT_EQ(differingFields(reread.presets()[1].settings, japaneseSettings()), NoDifference {});
        EXPECT_EQ(differingFields(reread.presets()[3].settings, test::unusualSettings()), NoDifference {});
        SettingsStore copy(copyPath, SettingsAccess::ReadOnly);
        copy.currentSettings = reread.currentSettings;
        copy.removePreset(0);
        for (const Preset& preset : reread.presets())
            copy.addPreset(preset.name, preset.settings);
        ASSERT_EQ(copy.save(), SaveResult::Saved);
    }
    EXPECT_EQ(readBytes(copyPath), first);
    EXPECT_NE(first.find("\r\n\x8f\x63\x8f\x91\x82\xab 3\x92\x69"), std::string::npos); // 縦書き 3段 in Shift JIS
    EXPECT_EQ(first.find("\n\n"), std::string::npos); // every line ends with CR LF
}

TEST_F(SettingsStoreTest, ReadsAHandMadeVersionZeroFile)
{
    const std::string record = "80,66,9,3,4,2,0\r\n9,120,2\r\n0,5,6,1,1\r\n" + std::string(sjisNihongo) + "\r\n  "
        + std::string(sjisMincho) + " \r\n1,10,11,12,13\r\n";
    writeBytes(datPath(), "0\r\n" + record + "1\r\n  " + std::string(sjisShokichi) + "\r\n" + record);
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    PrintSettings expected = test::unusualSettings();
    expected.language = u"日本語";
    expected.fontName = u"ＭＳ 明朝";
    expected.showFileName = false;
    expected.vertical = expected.proportional = false;
    expected.lineSpacing = 1;
    expected.columnSpacing = 8;
    expected.separatorLines = 0;
    expected.separatorMethod = SeparatorMethod::ColumnBreak;
    expected.useHeaderFooter = false;
    expected.headerLeft = expected.headerCenter = expected.headerRight = u"";
    expected.footerLeft = expected.footerCenter = expected.footerRight = u"";
    EXPECT_EQ(differingFields(store.currentSettings, expected), NoDifference {});
    ASSERT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
    EXPECT_EQ(differingFields(store.presets()[0].settings, expected), NoDifference {});
}

TEST_F(SettingsStoreTest, UnusableFilesResetEverything)
{
    const struct
    {
        const char* name;
        std::string bytes;
    } rows[] = {
        { "empty file", "" },
        { "version 6", "6\r\n" + defaultRecordBytes() + "1\r\nkept?\r\n" + defaultRecordBytes() },
        { "no count line", "5\r\n" + defaultRecordBytes() },
        { "not a settings file", "\x89PNG\r\n\x1a\n\0\0\0" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(datPath(), row.bytes);
        SettingsStore store(datPath(), SettingsAccess::ReadOnly);
        EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
        EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
    }
}

TEST_F(SettingsStoreTest, AnInvalidCurrentRecordKeepsThePresets)
{
    std::string invalidRecord = defaultRecordBytes();
    invalidRecord.replace(0, 2, "0"); // "96,..." becomes "0,...": no characters per line
    writeBytes(datPath(),
               "5\r\n" + invalidRecord + "2\r\na\r\n" + defaultRecordBytes() + "b\r\n" + defaultRecordBytes());
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
    EXPECT_EQ(namesOf(store), (std::vector<std::u16string> { u"a", u"b" }));
}

TEST_F(SettingsStoreTest, CountZeroGivesNoPresetsAndIsSavedSo)
{
    writeBytes(datPath(), "5\r\n" + defaultRecordBytes() + "0\r\n");
    {
        SettingsStore store(datPath());
        EXPECT_TRUE(store.presets().empty());
    }
    EXPECT_EQ(readBytes(datPath()), "5\r\n" + defaultRecordBytes() + "0\r\n");
}

TEST_F(SettingsStoreTest, LoadAgainStartsFromAnEmptyPresetList)
{
    writeBytes(datPath(), "5\r\n" + defaultRecordBytes() + "1\r\na\r\n" + defaultRecordBytes());
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    store.addPreset(u"b", defaults());
    store.load();
    EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"a" });
}

// A legacy file of the unusual settings, with the line-number flag 7.
std::string legacyBytes()
{
    return "80,66,9,3,4,2\r\n9,120,2\r\n0,7,6,1,1\r\n" + std::string(sjisNihongo) + "\r\n" + std::string(sjisMincho)
        + "\r\n1,10,11,12,13\r\n";
}

void expectMigratedLegacySettings(const SettingsStore& store)
{
    PrintSettings expected = test::unusualSettings();
    expected.language = u"日本語";
    expected.fontName = u"ＭＳ 明朝";
    expected.wrapLines = true;
    expected.lineNumberInterval = 1;
    expected.showFileName = false;
    expected.vertical = expected.proportional = false;
    expected.lineSpacing = 1;
    expected.columnSpacing = 8;
    expected.separatorLines = 0;
    expected.separatorMethod = SeparatorMethod::ColumnBreak;
    expected.useHeaderFooter = false;
    expected.headerLeft = expected.headerCenter = expected.headerRight = u"";
    expected.footerLeft = expected.footerCenter = expected.footerRight = u"";
    EXPECT_EQ(differingFields(store.currentSettings, expected), NoDifference {});
    ASSERT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
    EXPECT_EQ(differingFields(store.presets()[0].settings, defaults()), NoDifference {});
}

TEST_F(SettingsStoreTest, MigratesTheLegacyFileAndDeletesIt)
{
    writeBytes(cnfPath(), legacyBytes());
    {
        SettingsStore store(datPath());
        expectMigratedLegacySettings(store);
        EXPECT_FALSE(std::filesystem::exists(cnfPath()));
    }
    SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
    expectMigratedLegacySettings(reread);
}

TEST_F(SettingsStoreTest, AnInvalidLegacyFileGivesDefaultsAndIsDeleted)
{
    writeBytes(cnfPath(), "0,66,9,3,4,2\r\n");
    SettingsStore store(datPath());
    EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
    EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
    EXPECT_FALSE(std::filesystem::exists(cnfPath()));
}

TEST_F(SettingsStoreTest, AnUndeletableLegacyFileResetsEverything)
{
    writeBytes(cnfPath(), legacyBytes());
    test::UndeletableFileSystem files;
    SettingsStore store(datPath(), SettingsAccess::ReadWrite, files);
    EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
    EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
}

TEST_F(SettingsStoreTest, TheLegacyFileIsIgnoredWhenTheSettingsFileExists)
{
    writeBytes(datPath(), resetFileBytes());
    writeBytes(cnfPath(), legacyBytes());
    SettingsStore store(datPath());
    EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
    EXPECT_TRUE(std::filesystem::exists(cnfPath()));
}

TEST_F(SettingsStoreTest, ReadOnlyMigrationDeletesTheLegacyFileOnlyAfterACompleteSave)
{
    writeBytes(cnfPath(), legacyBytes());
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    expectMigratedLegacySettings(store);
    EXPECT_TRUE(std::filesystem::exists(cnfPath()));

    // A save that fails keeps the only copy.
    store.removePreset(0);
    store.addPreset(u"한국", defaults());
    EXPECT_EQ(store.save(), SaveResult::NotWritten);
    EXPECT_TRUE(std::filesystem::exists(cnfPath()));
    EXPECT_FALSE(std::filesystem::exists(datPath()));

    store.removePreset(0);
    store.addPreset(u"初期値", defaults());
    EXPECT_EQ(store.save(), SaveResult::Saved);
    EXPECT_FALSE(std::filesystem::exists(cnfPath()));
    SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
    expectMigratedLegacySettings(reread);
}

TEST_F(SettingsStoreTest, ASaveThatCannotMakeTheLockFileFailsAndNamesIt)
{
    const auto regularFile = directory() / "plain-file";
    writeBytes(regularFile, "x");
    SettingsStore store(regularFile / "VANTOLEX.DAT");
    EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
    EXPECT_EQ(store.save(), SaveResult::NotLocked); // never saved unlocked
    EXPECT_EQ(toUtf8(store.lockFailure()),
              "設定ファイルのロック " + (regularFile / "VANTOLEX.DAT.lock").string()
                  + " を取得できません。保存先のフォルダーがありません。");
    EXPECT_EQ(readBytes(regularFile), "x");
}

TEST_F(SettingsStoreTest, AFolderOfTheSettingsFilesNameIsLeftAndNamedAsTheReason)
{
    std::filesystem::create_directory(datPath());
    SettingsStore store(datPath());
    EXPECT_EQ(store.save(), SaveResult::NotWritten);
    EXPECT_EQ(store.saveError(), EISDIR); // not a lack of permission
    EXPECT_TRUE(std::filesystem::is_directory(datPath()));
}

TEST_F(SettingsStoreTest, AFullDiskLeavesThePreviousFileWhole)
{
    writeBytes(datPath(), resetFileBytes());
    for (std::size_t capacity : { std::size_t { 0 }, std::size_t { 3 }, std::size_t { 200 } }) {
        SCOPED_TRACE(capacity);
        test::FullDiskFileSystem files(capacity);
        {
            SettingsStore store(datPath(), SettingsAccess::ReadWrite, files);
            store.addPreset(u"新しい設定", japaneseSettings());
            EXPECT_EQ(store.save(), SaveResult::NotWritten);
            EXPECT_EQ(store.saveError(), ENOSPC); // the reason the dialog program shows
            EXPECT_EQ(store.presets().size(), 2u);
        } // the save on destruction fails the same way
        EXPECT_EQ(readBytes(datPath()), resetFileBytes());
        EXPECT_EQ(test::entriesOf(directory()), (std::vector<std::string> { "VANTOLEX.DAT", "VANTOLEX.DAT.lock" }));
    }
}

// Files that hold more than a store can read back: a byte-order mark, a newer version, CR-only line ends,
// UTF-16, plain text.
std::vector<std::pair<const char*, std::string>> unreadableFiles()
{
    std::string carriageReturns = resetFileBytes();
    std::erase(carriageReturns, '\n');
    return {
        { "byte-order mark", "\xEF\xBB\xBF" + resetFileBytes() },
        { "newer version", "6\r\n" + defaultRecordBytes() + "0\r\n" },
        { "CR-only line ends", carriageReturns },
        { "UTF-16",
          std::string("\xFF\xFE"
                      "5\0\r\0\n\0",
                      8) },
        { "plain text", "Dear reader,\r\nthis is a letter.\r\n" },
    };
}

TEST_F(SettingsStoreTest, TheToolNeverWritesOverAFileItCannotRead)
{
    for (const auto& [name, bytes] : unreadableFiles()) {
        SCOPED_TRACE(name);
        writeBytes(datPath(), bytes);
        SettingsStore store(datPath(), SettingsAccess::ReadOnly);
        store.addPreset(u"新しい設定", defaults());
        EXPECT_EQ(store.save(), SaveResult::KeptUnreadable);
        EXPECT_EQ(readBytes(datPath()), bytes);
        EXPECT_FALSE(std::filesystem::exists(directory() / "VANTOLEX.DAT.bak"));
    }
}

TEST_F(SettingsStoreTest, TheProgramKeepsEveryUnreadableFileUnderABackupOfItsOwnBeforeWritingOverIt)
{
    const auto files = unreadableFiles();
    const char* backups[] = { "VANTOLEX.DAT.bak", "VANTOLEX.DAT.bak.2", "VANTOLEX.DAT.bak.3" };
    for (std::size_t round = 0; round < 3; ++round) {
        writeBytes(datPath(), files[round].second);
        {
            SettingsStore store(datPath());
            ASSERT_EQ(store.saveForExit(), SaveResult::Saved);
            EXPECT_EQ(store.keptBackup(), directory() / backups[round]);
        }
        EXPECT_TRUE(readBytes(datPath()).starts_with("5\r\n96,100,5,2,8,0,1\r\n"));
    }
    for (std::size_t round = 0; round < 3; ++round)
        EXPECT_EQ(readBytes(directory() / backups[round]), files[round].second) << backups[round];
}

// Anything but a regular file is never read and never replaced: a FIFO would hold the program, a device
// fills the memory. A regular file too large for a settings file is kept under a backup by the program.
TEST_F(SettingsStoreTest, PipesAndHugeFilesAreNeitherReadNorLost)
{
    ASSERT_EQ(::mkfifo(datPath().c_str(), 0600), 0);
    for (const SettingsAccess access : { SettingsAccess::ReadOnly, SettingsAccess::ReadWrite }) {
        SettingsStore store(datPath(), access);
        EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
        store.addPreset(u"新しい設定", defaults());
        EXPECT_EQ(store.saveForExit(), SaveResult::KeptUnreadable);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(datPath()));

    std::filesystem::remove(datPath());
    const std::string huge = resetFileBytes() + std::string(settingsFileSizeLimit, '\n');
    writeBytes(datPath(), huge);
    {
        SettingsStore tool(datPath(), SettingsAccess::ReadOnly);
        EXPECT_EQ(tool.save(), SaveResult::KeptUnreadable);
        SettingsStore program(datPath());
        EXPECT_EQ(program.saveForExit(), SaveResult::Saved);
    }
    EXPECT_EQ(readBytes(directory() / "VANTOLEX.DAT.bak"), huge);
    EXPECT_EQ(readBytes(datPath()), resetFileBytes());
}

// The dialog program's store stays open while the tool changes presets; its save replays its own changes
// onto the file as it is then. Its current record is its own; where both changed a preset, it saves last.
TEST_F(SettingsStoreTest, TwoWritersLoseNoPresetChange)
{
    PrintSettings twoColumns = defaults();
    twoColumns.columns = 2;
    PrintSettings threeColumns = defaults();
    threeColumns.columns = 3;
    PrintSettings fourColumns = defaults();
    fourColumns.columns = 4;
    {
        SettingsStore first(datPath());
        first.addPreset(u"B", defaults());
        first.addPreset(u"C", defaults());
        first.addPreset(u"B", twoColumns); // a second of the same name
    }
    SettingsStore program(datPath());
    {
        SettingsStore tool(datPath(), SettingsAccess::ReadOnly);
        tool.updatePreset(u"A", twoColumns);
        tool.removePreset(*tool.findPreset(u"B"));
        tool.updatePreset(u"C", threeColumns);
        tool.currentSettings.columns = 9; // the tool's save keeps the file's current record
        ASSERT_EQ(tool.save(), SaveResult::Saved);
    }
    program.currentSettings.columns = 5;
    program.updatePreset(u"C", fourColumns);
    program.removePreset(3); // the second "B"
    program.addPreset(u"D", defaults());
    ASSERT_EQ(program.saveForExit(), SaveResult::Saved);
    EXPECT_EQ(namesOf(program), (std::vector<std::u16string> { u"初期値", u"C", u"A", u"D" }));

    SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
    EXPECT_EQ(namesOf(reread), (std::vector<std::u16string> { u"初期値", u"C", u"A", u"D" }));
    EXPECT_EQ(reread.currentSettings.columns, 5);
    EXPECT_EQ(reread.presets()[1].settings.columns, 4);
    EXPECT_EQ(reread.presets()[2].settings.columns, 2);
}

// Bytes that code page 932 cannot decode, blanks around a name and a template of blanks: a save that does not
// touch a preset writes its lines back exactly as they were.
TEST_F(SettingsStoreTest, ASaveWritesBackWhatItDidNotChangeByteForByte)
{
    std::string oddRecord = defaultRecordBytes();
    const std::string emptyTemplates = "0\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    oddRecord.replace(oddRecord.size() - emptyTemplates.size(), emptyTemplates.size(),
                      "1\r\n\x85\x40&p\r\n   \r\n\r\n\r\n\r\n\r\n");
    const std::string head = "5\r\n" + oddRecord;
    const std::string presets = "  \x85\x41 odd \r\n" + oddRecord + std::string(sjisShokichi) + "\r\n" + oddRecord;
    writeBytes(datPath(), head + "2\r\n" + presets);
    {
        SettingsStore tool(datPath(), SettingsAccess::ReadOnly);
        ASSERT_EQ(namesOf(tool), (std::vector<std::u16string> { u"\u30FB odd", u"初期値" }));
        tool.updatePreset(u"new", defaults());
        ASSERT_EQ(tool.save(), SaveResult::Saved);
    }
    EXPECT_EQ(readBytes(datPath()), head + "3\r\n" + presets + "new\r\n" + defaultRecordBytes());
    {
        SettingsStore program(datPath()); // its current record unchanged: written as it was read
        program.updatePreset(u"初期値", defaults()); // its name line stays as it was
    }
    EXPECT_EQ(readBytes(datPath()),
              head + "3\r\n  \x85\x41 odd \r\n" + oddRecord + std::string(sjisShokichi) + "\r\n" + defaultRecordBytes()
                  + "new\r\n" + defaultRecordBytes());
}

// The version line is taken by its leading integer when reading, and so when deciding whether a save may
// write over the file.
TEST_F(SettingsStoreTest, WhatLoadsWhollyIsSavedOver)
{
    for (const char* versionLine : { " 5x", "5 abc", "+5", "05" }) {
        SCOPED_TRACE(versionLine);
        writeBytes(datPath(),
                   versionLine + std::string("\r\n") + defaultRecordBytes() + "1\r\na\r\n" + defaultRecordBytes());
        SettingsStore tool(datPath(), SettingsAccess::ReadOnly);
        ASSERT_EQ(namesOf(tool), std::vector<std::u16string> { u"a" });
        tool.addPreset(u"b", defaults());
        EXPECT_EQ(tool.save(), SaveResult::Saved);
        EXPECT_EQ(namesOf(SettingsStore(datPath(), SettingsAccess::ReadOnly)),
                  (std::vector<std::u16string> { u"a", u"b" }));
    }
}

TEST_F(SettingsStoreTest, ACharacterOutsideTheCodePageFailsTheSaveAndChangesNothing)
{
    writeBytes(datPath(), resetFileBytes());
    const struct
    {
        const char* name;
        void (*change)(SettingsStore&);
    } rows[] = {
        { "preset name", [](SettingsStore& s) { s.addPreset(u"설정", defaults()); } },
        { "font name", [](SettingsStore& s) { s.currentSettings.fontName = u"맑은 고딕"; } },
        { "template", [](SettingsStore& s) { s.currentSettings.footerRight = u"&p \U0001F5A8"; } },
        { "line feed in a template", [](SettingsStore& s) { s.currentSettings.headerLeft = u"a\nb"; } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        {
            SettingsStore store(datPath());
            row.change(store);
            const std::vector<Preset> presetsBefore = store.presets();
            const PrintSettings currentBefore = store.currentSettings;
            EXPECT_EQ(store.save(), SaveResult::NotWritten);
            EXPECT_EQ(store.presets().size(), presetsBefore.size());
            EXPECT_EQ(differingFields(store.currentSettings, currentBefore), NoDifference {});
        }
        EXPECT_EQ(readBytes(datPath()), resetFileBytes());
    }
}

TEST_F(SettingsStoreTest, PresetOperations)
{
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    PrintSettings vertical = defaults();
    vertical.vertical = true;
    PrintSettings threeColumns = defaults();
    threeColumns.columns = 3;
    store.addPreset(u"Ａ", vertical);
    store.addPreset(u"a", threeColumns);
    store.addPreset(u"Ａ", threeColumns);
    EXPECT_EQ(namesOf(store), (std::vector<std::u16string> { u"初期値", u"Ａ", u"a", u"Ａ" }));

    // Names compare code unit by code unit: case and width matter, the first of equal names is found.
    EXPECT_EQ(store.findPreset(u"Ａ"), 1);
    EXPECT_EQ(store.findPreset(u"a"), 2);
    EXPECT_EQ(store.findPreset(u"A"), std::nullopt);
    EXPECT_EQ(store.findPreset(u"ａ"), std::nullopt);
    EXPECT_EQ(store.findPreset(u"Ａ "), std::nullopt);
    EXPECT_EQ(store.findPreset(u""), std::nullopt);

    store.applyPreset(1);
    EXPECT_TRUE(store.currentSettings.vertical);
    EXPECT_EQ(store.currentSettings.columns, 2);
    // The preset holds a copy: changing the current settings leaves it alone.
    store.currentSettings.columns = 7;
    EXPECT_EQ(store.presets()[1].settings.columns, 2);

    store.removePreset(1);
    EXPECT_EQ(namesOf(store), (std::vector<std::u16string> { u"初期値", u"a", u"Ａ" }));
    EXPECT_EQ(store.findPreset(u"Ａ"), 2);
    EXPECT_EQ(store.currentSettings.columns, 7);
    EXPECT_TRUE(store.currentSettings.vertical);

    store.updatePreset(u"Ａ", vertical);
    EXPECT_TRUE(store.presets()[2].settings.vertical);
    store.updatePreset(u"新規", vertical);
    EXPECT_EQ(namesOf(store), (std::vector<std::u16string> { u"初期値", u"a", u"Ａ", u"新規" }));

    for (int i = 3; i >= 0; --i)
        store.removePreset(i);
    EXPECT_TRUE(store.presets().empty());
    EXPECT_EQ(store.save(), SaveResult::Saved);
    SettingsStore reread(datPath(), SettingsAccess::ReadOnly);
    EXPECT_TRUE(reread.presets().empty());
}

TEST_F(SettingsStoreTest, ResetAllDropsPresetsAndRestoresDefaults)
{
    SettingsStore store(datPath(), SettingsAccess::ReadOnly);
    store.currentSettings = test::unusualSettings();
    store.addPreset(u"x", test::unusualSettings());
    store.resetAll();
    EXPECT_EQ(differingFields(store.currentSettings, defaults()), NoDifference {});
    EXPECT_EQ(namesOf(store), std::vector<std::u16string> { u"初期値" });
}

} // namespace
} // namespace vantolex
