#include <gtest/gtest.h>

#include "settings/SettingsLocation.h"

namespace vantolex {
namespace {

TEST(SettingsDirectory, FollowsThePortableAndPerUserRule)
{
    const struct
    {
        const char* name;
        SettingsLocationFacts facts;
        std::filesystem::path expected;
    } rows[] = {
        { "settings file beside the program", { "/opt/vantolex", true, "/x", "/home/u" }, "/opt/vantolex" },
        { "none beside the program: XDG_CONFIG_HOME",
          { "/usr/bin", false, "/home/u/cfg", "/home/u" },
          "/home/u/cfg/vantolex" },
        { "no XDG_CONFIG_HOME: ~/.config", { "/usr/bin", false, "", "/home/u" }, "/home/u/.config/vantolex" },
        { "relative XDG_CONFIG_HOME is ignored", { "/usr/bin", false, "cfg", "/home/u" }, "/home/u/.config/vantolex" },
        { "neither variable: the program directory", { "/usr/bin", false, "", "" }, "/usr/bin" },
        { "unknown program directory", { "", false, "", "/home/u" }, "/home/u/.config/vantolex" },
        { "nothing known at all", { "", false, "", "" }, "." },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(settingsDirectory(row.facts), row.expected);
    }
}

TEST(SettingsLocation, CurrentFactsNameTheDirectoryOfThisProgram)
{
    const SettingsLocationFacts facts = currentSettingsLocationFacts();
    EXPECT_TRUE(std::filesystem::exists(facts.programDirectory / "test_settings_file"));
}

TEST(SettingsPath, AppendsTheFileNameToTheChosenDirectory)
{
    EXPECT_EQ(settingsPath(settingsFileName), settingsDirectory(currentSettingsLocationFacts()) / "VANTOLEX.DAT");
    EXPECT_EQ(settingsPath(legacySettingsFileName).filename(), "VANTOLEX.CNF");
}

TEST(LegacySettingsPath, IsBesideTheSettingsFile)
{
    EXPECT_EQ(legacySettingsPathBeside("/tmp/a/my.dat"), "/tmp/a/VANTOLEX.CNF");
    EXPECT_EQ(legacySettingsPathBeside("my.dat"), "VANTOLEX.CNF");
}

} // namespace
} // namespace vantolex
