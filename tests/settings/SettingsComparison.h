// Comparison of two settings records field by field, naming the fields that differ.
#pragma once

#include <string>
#include <vector>

#include "settings/PrintSettings.h"

namespace vantolex::test {

// The names of the stored fields (all but fontDescriptor) in which `a` and `b` differ, in field order.
inline std::vector<std::string> differingFields(const PrintSettings& a, const PrintSettings& b)
{
    std::vector<std::string> names;
    auto check = [&names](bool same, const char* name) {
        if (!same)
            names.emplace_back(name);
    };
#define VANTOLEX_CHECK_FIELD(field) check(a.field == b.field, #field)
    VANTOLEX_CHECK_FIELD(charsPerLine);
    VANTOLEX_CHECK_FIELD(linesPerColumn);
    VANTOLEX_CHECK_FIELD(fontPoints);
    VANTOLEX_CHECK_FIELD(columns);
    VANTOLEX_CHECK_FIELD(tabWidth);
    VANTOLEX_CHECK_FIELD(wrapLines);
    VANTOLEX_CHECK_FIELD(fontSizeBasis);
    VANTOLEX_CHECK_FIELD(startLine);
    VANTOLEX_CHECK_FIELD(endValue);
    VANTOLEX_CHECK_FIELD(endCondition);
    VANTOLEX_CHECK_FIELD(showInfo);
    VANTOLEX_CHECK_FIELD(lineNumberInterval);
    VANTOLEX_CHECK_FIELD(lineNumberDigits);
    VANTOLEX_CHECK_FIELD(columnSeparator);
    VANTOLEX_CHECK_FIELD(showPageNumber);
    VANTOLEX_CHECK_FIELD(showFileName);
    VANTOLEX_CHECK_FIELD(language);
    VANTOLEX_CHECK_FIELD(fontName);
    VANTOLEX_CHECK_FIELD(vertical);
    VANTOLEX_CHECK_FIELD(proportional);
    VANTOLEX_CHECK_FIELD(useMargins);
    VANTOLEX_CHECK_FIELD(marginTop);
    VANTOLEX_CHECK_FIELD(marginBottom);
    VANTOLEX_CHECK_FIELD(marginLeft);
    VANTOLEX_CHECK_FIELD(marginRight);
    VANTOLEX_CHECK_FIELD(lineSpacing);
    VANTOLEX_CHECK_FIELD(columnSpacing);
    VANTOLEX_CHECK_FIELD(separatorLines);
    VANTOLEX_CHECK_FIELD(separatorMethod);
    VANTOLEX_CHECK_FIELD(useHeaderFooter);
    VANTOLEX_CHECK_FIELD(headerLeft);
    VANTOLEX_CHECK_FIELD(headerCenter);
    VANTOLEX_CHECK_FIELD(headerRight);
    VANTOLEX_CHECK_FIELD(footerLeft);
    VANTOLEX_CHECK_FIELD(footerCenter);
    VANTOLEX_CHECK_FIELD(footerRight);
#undef VANTOLEX_CHECK_FIELD
    return names;
}

// A valid record in which every stored field differs from its default.
inline PrintSettings unusualSettings()
{
    PrintSettings s;
    s.charsPerLine = 80;
    s.linesPerColumn = 66;
    s.fontPoints = 9;
    s.columns = 3;
    s.tabWidth = 4;
    s.fontSizeBasis = FontSizeBasis::FontPoints;
    s.wrapLines = false;
    s.startLine = 9;
    s.endValue = 120;
    s.endCondition = EndCondition::ToLine;
    s.showInfo = false;
    s.lineNumberInterval = 5;
    s.lineNumberDigits = 6;
    s.columnSeparator = true;
    s.showPageNumber = true;
    s.showFileName = true;
    s.language = u"欧文";
    s.fontName = u"@ＭＳ ゴシック";
    s.vertical = true;
    s.proportional = true;
    s.useMargins = true;
    s.marginTop = 10;
    s.marginBottom = 11;
    s.marginLeft = 12;
    s.marginRight = 13;
    s.lineSpacing = 3;
    s.columnSpacing = 5;
    s.separatorLines = 2;
    s.separatorMethod = SeparatorMethod::BlankLines;
    s.useHeaderFooter = true;
    s.headerLeft = u"&f";
    s.headerCenter = u" &p ";
    s.headerRight = u"右";
    s.footerLeft = u"&d &t";
    s.footerCenter = u"- &p / &P -";
    s.footerRight = u"&&";
    return s;
}

// unusualSettings() as the 15 lines of a version 5 record.
inline std::vector<std::u16string> unusualRecordLines()
{
    return { u"80,66,9,3,4,2,0",
             u"9,120,2",
             u"0,5,6,1,1,1",
             u"欧文",
             u"@ＭＳ ゴシック",
             u"1,1",
             u"1,10,11,12,13,3,5",
             u"2,0",
             u"1",
             u"&f",
             u" &p ",
             u"右",
             u"&d &t",
             u"- &p / &P -",
             u"&&" };
}

// The 15 lines of a version 5 record of the default settings.
inline std::vector<std::u16string> defaultRecordLines()
{
    return { u"96,100,5,2,8,0,1",
             u"0,0,0",
             u"1,0,4,0,0,0",
             u"日本語",
             u"ＭＳ 明朝",
             u"0,0",
             u"0,20,20,20,20,1,8",
             u"0,1",
             u"0",
             u"",
             u"",
             u"",
             u"",
             u"",
             u"" };
}

} // namespace vantolex::test
