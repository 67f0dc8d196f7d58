#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "settings/PrintSettingsFields.h"

namespace vantolex {
namespace {

TEST(PrintSettingsFields, SetsEveryKindOfField)
{
    PrintSettings settings;
    EXPECT_EQ(setField(settings, "charsPerLine", "80"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "startLine", "-3"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "endValue", "+12"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "separatorMethod", "2147483647"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "vertical", "true"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "wrapLines", "0"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "headerLeft", "&f \xE3\x81\x82"), SetFieldResult::Done);
    EXPECT_EQ(setField(settings, "footerRight", ""), SetFieldResult::Done);
    EXPECT_EQ(settings.charsPerLine, 80);
    EXPECT_EQ(settings.startLine, -3);
    EXPECT_EQ(settings.endValue, 12);
    EXPECT_EQ(settings.separatorMethod, INT_MAX);
    EXPECT_TRUE(settings.vertical);
    EXPECT_FALSE(settings.wrapLines);
    EXPECT_EQ(settings.headerLeft, u"&f あ");
    EXPECT_EQ(settings.footerRight, u"");
}

TEST(PrintSettingsFields, RefusesUnknownFieldsAndMalformedValues)
{
    PrintSettings settings;
    const std::pair<const char*, const char*> badValues[] = {
        { "columns", "" },    { "columns", "3 " },      { "columns", "three" }, { "columns", "2147483648" },
        { "columns", "1.5" }, { "columns", "0x10" },    { "vertical", "yes" },  { "vertical", "2" },
        { "vertical", "" },   { "useMargins", "TRUE" }, { "columns", "+-2" },
    };
    for (const auto& [name, value] : badValues) {
        SCOPED_TRACE(std::string(name) + "=" + value);
        EXPECT_EQ(setField(settings, name, value), SetFieldResult::BadValue);
    }
    EXPECT_EQ(settings.columns, 2);
    EXPECT_EQ(setField(settings, "fontDescriptor", "x"), SetFieldResult::UnknownField);
    EXPECT_EQ(setField(settings, "CharsPerLine", "5"), SetFieldResult::UnknownField);
    EXPECT_EQ(setField(settings, "", "5"), SetFieldResult::UnknownField);
}

// What --help says of a field's range is what validation holds: both ends pass, one beyond either end fails.
TEST(PrintSettingsFields, DocumentedIntervalsAreTheValidatedOnes)
{
    std::set<std::string_view> names;
    for (const PrintSettingsField& field : printSettingsFields()) {
        SCOPED_TRACE(std::string(field.name));
        EXPECT_TRUE(names.insert(field.name).second);
        EXPECT_FALSE(field.meaning.empty());
        if (field.lowest == 0 && field.highest == 0)
            continue;
        ASSERT_TRUE(std::holds_alternative<int PrintSettings::*>(field.member));
        EXPECT_TRUE(field.values.empty());
        const auto member = std::get<int PrintSettings::*>(field.member);
        for (const auto& [value, valid] : { std::pair { field.lowest, true },
                                            { field.highest, true },
                                            { field.lowest - 1, false },
                                            { field.highest + 1, false } }) {
            PrintSettings settings;
            settings.endValue = 1; // valid for every end condition
            settings.*member = value;
            EXPECT_EQ(isValid(settings), valid) << value;
        }
    }
    // Every field of the record but the face description.
    EXPECT_EQ(names.size(), 36u);
}

} // namespace
} // namespace vantolex
