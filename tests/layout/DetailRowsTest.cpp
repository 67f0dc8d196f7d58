// The details list: the settings rows together with the computed layout and the sample text.
#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "layout/DetailRows.h"

namespace vantolex {
namespace {

struct Row
{
    std::string label;
    std::string value;
    bool operator==(const Row&) const = default;
};

std::vector<Row> asUtf8(const std::vector<SettingsRow>& rows)
{
    std::vector<Row> result;
    for (const SettingsRow& row : rows)
        result.push_back({ toUtf8(row.label), toUtf8(row.value) });
    return result;
}

PageLayout computedLayout()
{
    PageLayout layout;
    layout.pointSize = 14.449;
    layout.cellsPerLine = 79;
    layout.columnLines = 44;
    return layout;
}

TEST(DetailRows, DefaultSettingsInOrder)
{
    const PrintSettings settings;
    const std::vector<Row> expected = {
        { "横書き", "" },
        { "1行目の内容", "吾輩は猫である。" },
        { "フォント", "14.4 ポイント相当" },
        { "文字数", "79 文字/行" },
        { "行数", "44 行/段" },
        { "段組数", "2 段/ページ" },
        { "タブ幅", "8 文字毎" },
        { "折り返し", "あり" },
        { "フォント", "ＭＳ 明朝 (日本語)" },
        { "印刷範囲", "初めから、終わりまで" },
        { "余白", "なし" },
        { "行間", "1/4行分" },
        { "段落間", "8 mm" },
        { "行番号", "なし" },
        { "区切り線", "なし" },
        { "ページ番号", "なし" },
        { "ファイル名", "なし" },
        { "禁則処理", "なし" },
        { "補助文字", "なし" },
    };
    EXPECT_EQ(asUtf8(detailRows(settings, computedLayout(), u"吾輩は猫である。")), expected);
}

TEST(DetailRows, FontPointsShowTheSettingAndTemplatesReplaceTheFlags)
{
    PrintSettings settings;
    settings.vertical = true;
    settings.fontSizeBasis = FontSizeBasis::FontPoints;
    settings.fontPoints = 9;
    settings.useHeaderFooter = true;
    settings.headerCenter = u"&w";
    settings.footerRight = u"&p / &P";
    settings.layoutOptions.kinsoku = true;
    const std::vector<Row> rows = asUtf8(detailRows(settings, computedLayout(), u""));
    ASSERT_EQ(rows.size(), 23u);
    EXPECT_EQ(rows[0], (Row { "縦書き", "" }));
    EXPECT_EQ(rows[1], (Row { "1行目の内容", "" }));
    EXPECT_EQ(rows[2], (Row { "フォント", "9 ポイント" }));
    const std::vector<Row> tail(rows.begin() + 15, rows.end());
    const std::vector<Row> expectedTail
        = { { "ヘッダ(左)", "" }, { "ヘッダ(中)", "&w" },      { "ヘッダ(右)", "" },   { "フッタ(左)", "" },
            { "フッタ(中)", "" }, { "フッタ(右)", "&p / &P" }, { "禁則処理", "あり" }, { "補助文字", "なし" } };
    EXPECT_EQ(tail, expectedTail);
    for (const Row& row : rows)
        EXPECT_NE(row.label, "情報表示");
}

TEST(DetailRows, PointSizeHasOneDecimal)
{
    const PrintSettings settings;
    PageLayout layout = computedLayout();
    layout.pointSize = 10.0;
    EXPECT_EQ(toUtf8(detailRows(settings, layout, u"")[2].value), "10.0 ポイント相当");
    layout.pointSize = 9.96;
    EXPECT_EQ(toUtf8(detailRows(settings, layout, u"")[2].value), "10.0 ポイント相当");
}

} // namespace
} // namespace vantolex
