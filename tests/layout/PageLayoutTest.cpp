// The page layout around the grid: header and footer lists, file name, line-number format, the completed font
// and its own copy, and copies that clone their terms. The last line of each print range is in the golden
// layout cases (tests/layout/golden/range-*.case).
#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "layout/LayoutMessages.h"
#include "layout/PageLayout.h"
#include "layout/RecordingDevice.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

namespace text = layoutText;

const ClockFixed noon(LocalDateTime { 2026, 12, 7, 12, 0, 0 });

struct LayoutCase : ::testing::Test
{
    FontDescription font { u"@IPAMincho", u"日本語", 12, 5, 0, 900, 700, FontPitch::Fixed };
    PrintSettings settings;
    RecordingDevice device { { 4800, 6600, 600, 600 } };

    LayoutCase()
    {
        settings.fontDescriptor = font;
        settings.columns = 1;
        settings.columnSpacing = 0;
        settings.charsPerLine = 79;
        settings.lineSpacing = 1;
    }

    PageLayout layout(std::u16string_view title = u"/home/user/docs/メモ.txt")
    {
        return computeLayout(device, settings, title, noon);
    }
};

std::string rendered(const TermList& list, int page, int total)
{
    return toUtf8(renderTerms(list, { page, total }));
}

TEST_F(LayoutCase, OnlyTheFlagsThatAreSetMakeLines)
{
    settings.showPageNumber = true;
    const PageLayout result = layout();
    EXPECT_FALSE(result.hasHeader);
    EXPECT_TRUE(result.hasFooter);
    EXPECT_EQ(result.originY, 0);
}

TEST_F(LayoutCase, SixEmptyTemplatesMakeNoLinesWhateverTheFlagsSay)
{
    settings.useHeaderFooter = true;
    settings.showFileName = true;
    settings.showPageNumber = true;
    const PageLayout result = layout();
    EXPECT_FALSE(result.hasHeader);
    EXPECT_FALSE(result.hasFooter);
    EXPECT_EQ(result.columnLines, 44);
}

TEST_F(LayoutCase, EachTemplateFillsItsOwnList)
{
    settings.useHeaderFooter = true;
    settings.headerLeft = u"&f";
    settings.headerRight = u"&d";
    settings.footerLeft = u" ";
    settings.footerRight = u"&p/&P";
    const PageLayout result = layout();
    EXPECT_TRUE(result.hasHeader);
    EXPECT_TRUE(result.hasFooter); // a template of blanks still makes a footer line
    EXPECT_EQ(rendered(result.termLists[HeaderLeft], 1, 5), "/home/user/docs/メモ.txt");
    EXPECT_TRUE(result.termLists[HeaderCenter].empty());
    EXPECT_EQ(rendered(result.termLists[HeaderRight], 1, 5), "2026/12/07");
    EXPECT_EQ(rendered(result.termLists[FooterLeft], 1, 5), " ");
    EXPECT_EQ(rendered(result.termLists[FooterRight], 2, 5), "2/5");
}

TEST_F(LayoutCase, FileNameIsTheLastPathComponent)
{
    EXPECT_EQ(layout(u"clipboard").fileName, u"clipboard");
    EXPECT_EQ(layout(u"/a/b/c.txt").fileName, u"c.txt");
    EXPECT_EQ(lastPathComponent(u"/a/dir/"), u"dir/");
    EXPECT_EQ(lastPathComponent(u"/"), u"/");
    EXPECT_EQ(lastPathComponent(u""), u"");
}

TEST_F(LayoutCase, LineNumberFormatHasTheDigitCount)
{
    EXPECT_EQ(layout().lineNumberFormat, u"");
    settings.lineNumberInterval = 10;
    settings.lineNumberDigits = 6;
    const PageLayout result = layout();
    EXPECT_EQ(result.lineNumberFormat, u"%6d:");
    EXPECT_EQ(applyLineNumberFormat(result.lineNumberFormat, 42), u"    42:");
    EXPECT_EQ(applyLineNumberFormat(result.lineNumberFormat, 1234567), u"1234567:");
    EXPECT_EQ(applyLineNumberFormat(u"100%% %d", 7), u"100% 7");
}

TEST_F(LayoutCase, FontIsCompletedInTheLayoutOnly)
{
    const PageLayout horizontal = layout();
    EXPECT_EQ(horizontal.font.height, -120);
    EXPECT_EQ(horizontal.font.width, 0);
    EXPECT_EQ(horizontal.font.escapement, 0);
    EXPECT_EQ(horizontal.font.faceName, u"@IPAMincho");
    EXPECT_EQ(horizontal.font.orientation, 900);
    EXPECT_EQ(horizontal.font.weight, 700);

    settings.vertical = true;
    const PageLayout vertical = layout();
    EXPECT_EQ(vertical.font.escapement, 2700);
    EXPECT_EQ(vertical.font.height, -vertical.charHeight);
    EXPECT_EQ(settings.fontDescriptor, font); // the settings are only read
}

TEST_F(LayoutCase, LaterRunDoesNotChangeTheFontOfAnEarlierLayout)
{
    const PageLayout first = layout();
    settings.vertical = true;
    settings.charsPerLine = 20;
    const PageLayout second = layout();
    EXPECT_EQ(first.font.height, -120);
    EXPECT_EQ(first.font.escapement, 0);
    EXPECT_NE(second.font, first.font);
}

TEST_F(LayoutCase, MissingFontIsTheLastCheck)
{
    settings.fontDescriptor.reset();
    EXPECT_THROW_MESSAGE(layout(), Warning, text::noPrintFont);
    settings.lineNumberInterval = 1;
    settings.lineNumberDigits = 9;
    settings.charsPerLine = 10;
    EXPECT_THROW_MESSAGE(layout(), Warning, text::tooManyLineNumberDigits);
}

TEST_F(LayoutCase, CopyClonesTheTermsAndKeepsEveryField)
{
    settings.useHeaderFooter = true;
    settings.headerCenter = u"&w";
    settings.footerCenter = u"- &p of &P -";
    settings.columns = 3;
    settings.vertical = true;
    settings.columnSeparator = true;
    PageLayout original = layout();
    original.totalPages = 9;
    const PageLayout copy = original;
    EXPECT_EQ(static_cast<const PageGrid&>(copy), static_cast<const PageGrid&>(original));
    EXPECT_EQ(copy.totalPages, 9);
    EXPECT_EQ(copy.columns, 3);
    EXPECT_TRUE(copy.vertical && copy.columnSeparator);
    EXPECT_EQ(copy.fileName, original.fileName);
    EXPECT_EQ(copy.font, original.font);
    EXPECT_TRUE(copy.hasHeader && copy.hasFooter);
    ASSERT_EQ(copy.termLists[FooterCenter].size(), original.termLists[FooterCenter].size());
    for (std::size_t i = 0; i < copy.termLists[FooterCenter].size(); ++i)
        EXPECT_NE(&copy.termLists[FooterCenter][i], &original.termLists[FooterCenter][i]);
    original = PageLayout(); // the copy outlives the original's terms
    EXPECT_EQ(rendered(copy.termLists[FooterCenter], 4, 9), "- 4 of 9 -");
    EXPECT_EQ(rendered(copy.termLists[HeaderCenter], 4, 9), "メモ.txt");

    PageLayout assigned;
    assigned = copy;
    EXPECT_EQ(assigned.totalPages, 9);
    EXPECT_NE(&assigned.termLists[HeaderCenter][0], &copy.termLists[HeaderCenter][0]);
    EXPECT_EQ(rendered(assigned.termLists[FooterCenter], 1, 2), "- 1 of 2 -");
}

TEST_F(LayoutCase, DeviceCapabilitiesComeFromTheDevice)
{
    RecordingDevice broken({ 4800, 0, 600, 600 });
    EXPECT_THROW_MESSAGE(computeLayout(broken, settings, u"t", noon), Warning, text::badPrinter);
    const PageLayout result = layout();
    EXPECT_EQ(result.pageWidth, 4800);
    EXPECT_EQ(result.dpiY, 600);
    EXPECT_EQ(result.totalPages, 0);
}

} // namespace
} // namespace vantolex
