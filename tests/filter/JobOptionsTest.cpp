// The job options of vantolex-texttopdf as settings: the standard text options, presets, fields and
// encodings, the order they are taken in, and the values that fail a job.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "filter/JobOptions.h"

namespace vantolex {
namespace {

// A4 at 600 dpi inside 5 mm margins.
constexpr DeviceCaps a4 { 4724, 6779, 600, 600 };

SystemSettings systemSettings()
{
    SystemSettings system;
    Preset vertical { u"縦書き", {} };
    vertical.settings.vertical = true;
    vertical.settings.columns = 3;
    system.presets.push_back(vertical);
    return system;
}

struct Row
{
    const char* name;
    std::vector<JobOption> options;
    std::function<void(const FilterJob&)> check; // for a job the options allow
    std::u16string failure = {}; // otherwise the message
};

TEST(JobOptions, MapTheJobsOptionsOntoTheSettings)
{
    const Row rows[] = {
        { "none: the system's settings, UTF-8",
          {},
          [](const FilterJob& job) {
              EXPECT_EQ(job.settings.columns, PrintSettings().columns);
              EXPECT_EQ(job.encoding, 3);
              EXPECT_TRUE(job.ignored.empty());
          } },
        { "columns", { { "columns", "3" } }, [](const FilterJob& job) { EXPECT_EQ(job.settings.columns, 3); } },
        { "columns, not a number",
          { { "columns", "three" } },
          {},
          u"ジョブオプションの値が正しくありません: columns=three" },
        { "margins in points as whole millimetres, at most 50",
          { { "page-left", "72" }, { "page-right", "18" }, { "page-top", "300" }, { "page-bottom", "0" } },
          [](const FilterJob& job) {
              EXPECT_TRUE(job.settings.useMargins);
              EXPECT_EQ(job.settings.marginLeft, 25);
              EXPECT_EQ(job.settings.marginRight, 6);
              EXPECT_EQ(job.settings.marginTop, 50);
              EXPECT_EQ(job.settings.marginBottom, 0);
          } },
        { "a negative margin",
          { { "page-bottom", "-1" } },
          {},
          u"ジョブオプションの値が正しくありません: page-bottom=-1" },
        { "wrap=false cuts lines",
          { { "wrap", "false" } },
          [](const FilterJob& job) { EXPECT_FALSE(job.settings.wrapLines); } },
        { "wrap, neither on nor off",
          { { "wrap", "maybe" } },
          {},
          u"ジョブオプションの値が正しくありません: wrap=maybe" },
        { "prettyprint: title, date, time and page in the header",
          { { "prettyprint", "" } },
          [](const FilterJob& job) {
              EXPECT_TRUE(job.settings.useHeaderFooter);
              EXPECT_EQ(job.settings.headerLeft, u"&d &t");
              EXPECT_EQ(job.settings.headerCenter, u"&w");
              EXPECT_EQ(job.settings.headerRight, u"&p");
              EXPECT_EQ(job.settings.footerCenter, u"");
          } },
        { "cpi: half-width cells per inch of one column",
          { { "cpi", "10" }, { "columns", "1" } },
          [](const FilterJob& job) {
              EXPECT_EQ(job.settings.fontSizeBasis, FontSizeBasis::CharsPerLine);
              EXPECT_EQ(job.settings.charsPerLine, 77); // 4724 pixels, 7.87 inches: 78 cells, one kept spare
          } },
        { "cpi with two columns and their 8 mm gap",
          { { "cpi", "10" } },
          [](const FilterJob& job) { EXPECT_EQ(job.settings.charsPerLine, 36); } }, // 2268 pixels a column
        { "lpi: lines per inch of the page",
          { { "lpi", "6" } },
          [](const FilterJob& job) {
              EXPECT_EQ(job.settings.fontSizeBasis, FontSizeBasis::LinesPerColumn);
              EXPECT_EQ(job.settings.linesPerColumn, 67); // 11.3 inches
          } },
        { "lpi leaves room for the header line of prettyprint",
          { { "lpi", "6" }, { "prettyprint", "true" } },
          [](const FilterJob& job) { EXPECT_EQ(job.settings.linesPerColumn, 66); } },
        { "cpi and lpi: cpi sizes the font, lpi is ignored",
          { { "lpi", "6" }, { "cpi", "12" } },
          [](const FilterJob& job) {
              EXPECT_EQ(job.settings.fontSizeBasis, FontSizeBasis::CharsPerLine);
              EXPECT_EQ(job.ignored, std::vector<std::string> { "lpi" });
          } },
        { "cpi of zero", { { "cpi", "0" } }, {}, u"ジョブオプションの値が正しくありません: cpi=0" },
        { "a preset of the system's settings file",
          { { "vantolex-preset", "縦書き" } },
          [](const FilterJob& job) {
              EXPECT_TRUE(job.settings.vertical);
              EXPECT_EQ(job.settings.columns, 3);
          } },
        { "the standard options after the preset, whatever the job's order",
          { { "columns", "2" }, { "vantolex-preset", "縦書き" } },
          [](const FilterJob& job) {
              EXPECT_TRUE(job.settings.vertical);
              EXPECT_EQ(job.settings.columns, 2);
          } },
        { "an unknown preset",
          { { "vantolex-preset", "横書き" } },
          {},
          u"システムの設定ファイルにプリセットがありません: 横書き" },
        { "fields in any case, after the standard options",
          { { "vantolex-columns", "4" },
            { "columns", "2" },
            { "vantolex-CharsPerLine", "80" },
            { "vantolex-vertical", "true" },
            { "vantolex-headerleft", "&w" } },
          [](const FilterJob& job) {
              EXPECT_EQ(job.settings.columns, 4);
              EXPECT_EQ(job.settings.charsPerLine, 80);
              EXPECT_TRUE(job.settings.vertical);
              EXPECT_EQ(job.settings.headerLeft, u"&w");
          } },
        { "a field out of range is left to validation",
          { { "vantolex-columns", "12" } },
          [](const FilterJob& job) { EXPECT_EQ(job.settings.columns, 12); } },
        { "a field's value of the wrong form",
          { { "vantolex-vertical", "sideways" } },
          {},
          u"ジョブオプションの値が正しくありません: vantolex-vertical=sideways" },
        { "no such field",
          { { "vantolex-colour", "red" } },
          {},
          u"ジョブオプション vantolex-colour に当たる設定項目がありません。" },
        { "the layout options, kept over a preset",
          { { "vantolex-Kinsoku", "true" }, { "vantolex-supplementary", "" }, { "vantolex-preset", "縦書き" } },
          [](const FilterJob& job) {
              EXPECT_TRUE(job.settings.vertical);
              EXPECT_TRUE(job.settings.layoutOptions.kinsoku);
              EXPECT_TRUE(job.settings.layoutOptions.supplementary);
          } },
        { "a layout option's value of the wrong form",
          { { "vantolex-kinsoku", "maybe" } },
          {},
          u"ジョブオプションの値が正しくありません: vantolex-kinsoku=maybe" },
        { "encodings by their short names, in any case",
          { { "vantolex-encoding", "SJIS" } },
          [](const FilterJob& job) { EXPECT_EQ(job.encoding, 0); } },
        { "the last encoding",
          { { "vantolex-encoding", "utf16be" }, { "vantolex-encoding", "euc" } },
          [](const FilterJob& job) { EXPECT_EQ(job.encoding, 5); } },
        { "an unknown encoding",
          { { "vantolex-encoding", "latin1" } },
          {},
          u"ジョブオプションの値が正しくありません: vantolex-encoding=latin1" },
        { "options of the spooler and the later filters are theirs; others are named",
          { { "job-uuid", "urn:uuid:1" },
            { "media", "A4" },
            { "number-up", "2" },
            { "banner", "on" },
            { "time-at-creation", "1" },
            { "nowrap", "" } },
          [](const FilterJob& job) {
              EXPECT_EQ(job.ignored, (std::vector<std::string> { "banner", "nowrap" }));
          } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto mapped = mapJobOptions(systemSettings(), row.options, a4);
        if (row.check) {
            ASSERT_TRUE(std::holds_alternative<FilterJob>(mapped));
            row.check(std::get<FilterJob>(mapped));
        } else {
            ASSERT_TRUE(std::holds_alternative<JobOptionFailure>(mapped));
            EXPECT_EQ(std::get<JobOptionFailure>(mapped).message, row.failure);
        }
    }
}

} // namespace
} // namespace vantolex
