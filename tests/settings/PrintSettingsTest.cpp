#include <gtest/gtest.h>

#include "settings/PrintSettings.h"

namespace vantolex {
namespace {

TEST(PrintSettings, DefaultsAreTheDocumentedOnes)
{
    PrintSettings settings;
    settings.charsPerLine = 1;
    settings.headerLeft = u"&w";
    settings.language.clear();
    settings.resetToDefaults();

    EXPECT_EQ(settings.charsPerLine, 96);
    EXPECT_EQ(settings.linesPerColumn, 100);
    EXPECT_EQ(settings.fontPoints, 5);
    EXPECT_EQ(settings.columns, 2);
    EXPECT_EQ(settings.tabWidth, 8);
    EXPECT_TRUE(settings.wrapLines);
    EXPECT_EQ(settings.fontSizeBasis, FontSizeBasis::CharsPerLine);
    EXPECT_EQ(settings.startLine, 0);
    EXPECT_EQ(settings.endValue, 0);
    EXPECT_EQ(settings.endCondition, EndCondition::ToEnd);
    EXPECT_TRUE(settings.showInfo);
    EXPECT_EQ(settings.lineNumberInterval, 0);
    EXPECT_EQ(settings.lineNumberDigits, 4);
    EXPECT_FALSE(settings.columnSeparator);
    EXPECT_FALSE(settings.showPageNumber);
    EXPECT_FALSE(settings.showFileName);
    EXPECT_EQ(settings.language, u"日本語");
    EXPECT_EQ(settings.fontName, u"ＭＳ 明朝");
    EXPECT_FALSE(settings.vertical);
    EXPECT_FALSE(settings.proportional);
    EXPECT_FALSE(settings.useMargins);
    EXPECT_EQ(settings.marginTop, 20);
    EXPECT_EQ(settings.marginBottom, 20);
    EXPECT_EQ(settings.marginLeft, 20);
    EXPECT_EQ(settings.marginRight, 20);
    EXPECT_EQ(settings.lineSpacing, 1);
    EXPECT_EQ(settings.columnSpacing, 8);
    EXPECT_EQ(settings.separatorLines, 0);
    EXPECT_EQ(settings.separatorMethod, SeparatorMethod::ColumnBreak);
    EXPECT_FALSE(settings.useHeaderFooter);
    for (const auto* text : { &settings.headerLeft, &settings.headerCenter, &settings.headerRight, &settings.footerLeft,
                              &settings.footerCenter, &settings.footerRight })
        EXPECT_TRUE(text->empty());
}

TEST(PrintSettings, ResetKeepsTheFontDescriptor)
{
    const FontDescription description { u"IPAMincho", u"日本語" };
    PrintSettings settings;
    EXPECT_FALSE(settings.fontDescriptor);
    settings.fontDescriptor = description;
    settings.resetToDefaults();
    EXPECT_EQ(settings.fontDescriptor, description);
}

} // namespace
} // namespace vantolex
