#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "base/Errors.h"
#include "base/Utf16.h"
#include "input/ClipboardSource.h"
#include "layout/Output.h"
#include "layout/PrintRun.h"
#include "layout/RecordingDevice.h"
#include "settings/PrintSettings.h"
#include "support/FixedClipboard.h"

namespace vantolex {
namespace {

using Events = std::vector<std::string>;

// An output that records what the run asks of it, in one event list shared with the host.
class OutputLog : public Output
{
public:
    OutputLog(Device& device, const PrintSettings& settings, std::u16string_view title, Events& events)
        : Output(device, settings, title, systemClock())
        , m_events(events)
    {
        m_events.push_back("create " + toUtf8(title));
    }
    ~OutputLog() override { m_events.push_back("destroy output"); }

    void newPage() override
    {
        Output::newPage();
        m_events.push_back("page " + std::to_string(page()));
    }
    void finish() override { m_events.push_back("finish"); }
    void abort() override { m_events.push_back("abort"); }
    bool prepareForItem() override { return true; }
    bool countsPagesFirst() const override { return twoPasses; }
    void startDrawingPass() override
    {
        m_events.push_back("draw");
        restartPlacement();
    }

    bool twoPasses = false;
    // Makes the n-th emitted display line fail with `failure`.
    std::function<void()> failure;
    int failAt = -1;

protected:
    void emitLine() override
    {
        if (m_emitted++ == failAt && failure)
            failure();
        m_events.push_back("line " + toUtf8(lineText()));
    }

private:
    Events& m_events;
    int m_emitted = 0;
};

class FactoryLog : public OutputFactory
{
public:
    explicit FactoryLog(Events& events)
        : m_events(events)
    {
    }

    std::unique_ptr<Output> createOutput(const PrintSettings& settings, std::u16string_view title) override
    {
        ++calls;
        if (decline)
            return nullptr;
        if (warning)
            throw Warning(u"余白が大き過ぎます。");
        auto output = std::make_unique<OutputLog>(m_device, settings, title, m_events);
        output->failure = failure;
        output->failAt = failAt;
        output->twoPasses = twoPasses;
        return output;
    }

    int calls = 0;
    bool decline = false;
    bool warning = false;
    std::function<void()> failure;
    int failAt = -1;
    bool twoPasses = false;

private:
    RecordingDevice m_device { { 4800, 6600, 600, 600 } };
    Events& m_events;
};

class HostLog : public PrintRunHost
{
public:
    explicit HostLog(Events& events)
        : m_events(events)
    {
    }

    SourceChoice sourceChoice() const override { return choice; }
    bool clipboardHasText() override { return clipboardFilled; }
    bool confirmDetails(std::u16string_view sample, const PrintSettings&, const PageLayout&) override
    {
        m_events.push_back("details " + toUtf8(sample));
        return confirm;
    }
    void setBusy(bool busy) override { m_events.push_back(busy ? "busy" : "idle"); }
    void report(ReportKind kind, const std::u16string& message) override
    {
        m_events.push_back((kind == ReportKind::Warning ? "warning " : "error ") + toUtf8(message));
    }

    SourceChoice choice;
    bool clipboardFilled = true;
    bool confirm = true;

private:
    Events& m_events;
};

class PrintRunTest : public ::testing::Test
{
protected:
    PrintRunTest()
    {
        settings.resetToDefaults();
        settings.fontDescriptor = font;
        settings.columns = 1;
    }

    void useClipboard(std::u16string text)
    {
        clipboard = std::make_unique<FixedClipboard>(std::move(text) + u'\0');
        host.choice.kind = SourceKind::Clipboard;
        host.choice.clipboard = clipboard.get();
    }

    RunOutcome run(bool showDetails = false) { return runPrintJob(host, settings, factory, showDetails); }

    Events events;
    HostLog host { events };
    FactoryLog factory { events };
    FontDescription font { u"ＭＳ 明朝", u"日本語" };
    PrintSettings settings;
    std::unique_ptr<FixedClipboard> clipboard;
};

TEST_F(PrintRunTest, PrintsEveryItemThenFinishes)
{
    useClipboard(u"one\n\ftwo\nthree"); // a form feed at the start of a line is a column break
    EXPECT_EQ(run(), RunOutcome::Finished);
    const Events expected
        = { "create クリップボード", "busy", "line one", "page 1", "line two", "line three", "finish", "idle",
            "destroy output" };
    EXPECT_EQ(events, expected);
}

// An output that counts its pages first gets the items twice, the start skipped each time, and is finished
// once; a failure of the second pass abandons it like any other.
TEST_F(PrintRunTest, CountingOutputGetsTheItemsOfBothPassesAfterTheStartSkip)
{
    factory.twoPasses = true;
    settings.startLine = 1;
    useClipboard(u"skipped\none\ntwo");
    EXPECT_EQ(run(), RunOutcome::Finished);
    EXPECT_EQ(events,
              (Events { "create クリップボード", "busy", "line one", "line two", "draw", "line one", "line two",
                        "finish", "idle", "destroy output" }));

    events.clear();
    factory.failAt = 2;
    factory.failure = [] { throw Error(u"ファイルの読み込み失敗。"); };
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_EQ(events,
              (Events { "create クリップボード", "busy", "line one", "line two", "draw", "idle", "abort",
                        "destroy output", "error ファイルの読み込み失敗。" }));
}

TEST_F(PrintRunTest, NoSourceSelectedEndsSilently)
{
    EXPECT_EQ(run(), RunOutcome::Cancelled);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(factory.calls, 0);
}

TEST_F(PrintRunTest, EmptySourcesAreRefusedWithWarnings)
{
    struct Row
    {
        const char* name;
        SourceKind kind;
        std::u16string fileName;
        const char* message;
    };
    const std::vector<FileEntry> noFiles;
    const Row rows[] = {
        { "empty file name", SourceKind::File, u"", "warning ファイルが指定されていません。" },
        { "blanks only", SourceKind::File, u" \t\u3000 ", "warning ファイルが指定されていません。" },
        { "empty list", SourceKind::MultipleFiles, u"", "warning ファイルが指定されていません。" },
        { "no clipboard text", SourceKind::Clipboard, u"", "warning クリップボードにデータがありません" },
    };
    FixedClipboard emptyClipboard(std::u16string(1, u'\0'));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        events.clear();
        host.choice = { row.kind, row.fileName, 0, &noFiles, &emptyClipboard, {} };
        host.clipboardFilled = false;
        EXPECT_EQ(run(), RunOutcome::Warned);
        EXPECT_EQ(events, Events { row.message });
    }
    EXPECT_EQ(factory.calls, 0);
}

TEST_F(PrintRunTest, FileNameIsTrimmedAndReadFailuresAreErrors)
{
    const auto folder = std::filesystem::temp_directory_path() / "vantolex-print-run-test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "memo.txt";
    std::ofstream(path, std::ios::binary) << "abc\r\n";
    host.choice.kind = SourceKind::File;
    host.choice.fileName = u"  " + fromUtf8(path.string()) + u"\t";
    EXPECT_EQ(run(), RunOutcome::Finished);
    EXPECT_EQ(events.at(0), "create " + path.string());
    EXPECT_EQ(events.at(2), "line abc");

    events.clear();
    host.choice.fileName = fromUtf8((folder / "missing.txt").string());
    EXPECT_EQ(run(), RunOutcome::Failed);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].starts_with("error ")) << events[0];
    std::filesystem::remove_all(folder);
}

TEST_F(PrintRunTest, StartSkipCountsEveryItem)
{
    useClipboard(u"a\n\fb\nc"); // items: a, page break, b, c
    settings.startLine = 2;
    EXPECT_EQ(run(), RunOutcome::Finished);
    const Events expected = { "create クリップボード", "busy", "line b", "line c", "finish", "idle", "destroy output" };
    EXPECT_EQ(events, expected);
}

TEST_F(PrintRunTest, StartSkipAtTheEndPrintsNothingAndBeyondItWarnsBeforeTheOutput)
{
    useClipboard(u"a\nb");
    settings.startLine = 2;
    EXPECT_EQ(run(), RunOutcome::Finished);
    const Events finishedEmpty = { "create クリップボード", "busy", "finish", "idle", "destroy output" };
    EXPECT_EQ(events, finishedEmpty);

    events.clear();
    settings.startLine = 3;
    EXPECT_EQ(run(), RunOutcome::Warned);
    EXPECT_EQ(events, Events { "warning 開始行までスキップしたら、データが無くなりました。" });
    EXPECT_EQ(factory.calls, 1);
}

TEST_F(PrintRunTest, DeclinedPrinterChoiceEndsSilently)
{
    useClipboard(u"a");
    factory.decline = true;
    EXPECT_EQ(run(true), RunOutcome::Cancelled);
    EXPECT_TRUE(events.empty());
}

TEST_F(PrintRunTest, WarningWhileMakingTheOutputIsReportedWithoutAbort)
{
    useClipboard(u"a");
    factory.warning = true;
    EXPECT_EQ(run(), RunOutcome::Warned);
    EXPECT_EQ(events, Events { "warning 余白が大き過ぎます。" });
}

TEST_F(PrintRunTest, DetailsAreShownOnlyWhenAskedAndDecliningAbortsTheOutput)
{
    useClipboard(u"\t見本テキスト\nb");
    host.confirm = false;
    EXPECT_EQ(run(true), RunOutcome::Warned);
    const Events expected = { "create クリップボード", "details 見本テキスト", "abort", "destroy output",
                              "warning 印刷を中止しました。" };
    EXPECT_EQ(events, expected);

    events.clear();
    EXPECT_EQ(run(false), RunOutcome::Finished);
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](auto& e) { return e.starts_with("details"); }), 0);
}

TEST_F(PrintRunTest, FailureWhilePrintingCleansUpInOrderThenReports)
{
    useClipboard(u"a\nb\nc");
    factory.failAt = 1;
    factory.failure = [] { throw PrinterError(u"印刷が中止されました。"); };
    EXPECT_EQ(run(), RunOutcome::Failed);
    const Events expected = { "create クリップボード",       "busy", "line a", "idle", "abort", "destroy output",
                              "error 印刷が中止されました。" };
    EXPECT_EQ(events, expected);
}

TEST_F(PrintRunTest, StandardLibraryFailuresEndTheRunAndOnlyALackOfMemoryIsReported)
{
    useClipboard(u"a\nb");
    factory.failAt = 0;
    factory.failure = [] { throw std::bad_alloc(); };
    EXPECT_EQ(run(), RunOutcome::Failed);
    const Events expected
        = { "create クリップボード", "busy", "idle", "abort", "destroy output", "error メモリが足りません。" };
    EXPECT_EQ(events, expected);

    events.clear();
    factory.failure = [] { throw std::length_error("vector"); };
    EXPECT_EQ(run(), RunOutcome::Crashed);
    EXPECT_EQ(events.back(), "destroy output");
}

} // namespace
} // namespace vantolex
