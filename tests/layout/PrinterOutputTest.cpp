#include <gtest/gtest.h>

#include <map>

#include "base/Errors.h"
#include "layout/JobState.h"
#include "layout/OutputPrinter.h"
#include "layout/OutputPrinterBuffered.h"
#include "layout/PrinterFactory.h"
#include "layout/RecordingDevice.h"
#include "settings/PrintSettings.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using Kind = RecordedCall::Kind;

// The two passes of a print run over the same items: counting the pages, then printing them.
template <typename Items> void inTwoPasses(Output& output, Items items)
{
    items();
    output.startDrawingPass();
    items();
}

// A device owned by the output under test that forwards to a recording device the test keeps, so that the
// calls made by the output's destructor can still be read. Job calls can be made to fail one at a time.
class ForwardingDevice : public Device
{
public:
    explicit ForwardingDevice(RecordingDevice& target, std::map<std::pair<Kind, int>, int>& failures)
        : m_target(target)
        , m_failures(failures)
    {
    }

    DeviceCaps capabilities() const override { return m_target.capabilities(); }
    std::unique_ptr<DeviceFont> createFont(const FontDescription& d) override { return m_target.createFont(d); }
    int textExtent(const DeviceFont& f, std::u16string_view t) override { return m_target.textExtent(f, t); }
    void textOut(const DeviceFont& f, int x, int y, std::u16string_view t) override { m_target.textOut(f, x, y, t); }
    void drawText(const DeviceFont& f, const Rect& b, std::u16string_view t, TextAlign a) override
    {
        m_target.drawText(f, b, t, a);
    }
    void dashedLine(int x1, int y1, int x2, int y2) override { m_target.dashedLine(x1, y1, x2, y2); }
    void fillRect(const Rect& b, Rgb c) override { m_target.fillRect(b, c); }
    void frameRect(const Rect& b, Rgb c) override { m_target.frameRect(b, c); }
    int startDoc(std::u16string_view name) override { return job(Kind::StartDoc, m_target.startDoc(name)); }
    int startPage() override { return job(Kind::StartPage, m_target.startPage()); }
    int endPage() override { return job(Kind::EndPage, m_target.endPage()); }
    int endDoc() override { return job(Kind::EndDoc, m_target.endDoc()); }
    int abortDoc() override { return job(Kind::AbortDoc, m_target.abortDoc()); }

private:
    int job(Kind kind, int result)
    {
        const int call = ++m_counts[kind];
        const auto failure = m_failures.find({ kind, call });
        return failure == m_failures.end() ? result : failure->second;
    }

    RecordingDevice& m_target;
    std::map<std::pair<Kind, int>, int>& m_failures;
    std::map<Kind, int> m_counts;
};

class PrinterOutputTest : public ::testing::Test
{
protected:
    PrinterOutputTest()
    {
        settings.resetToDefaults();
        settings.fontDescriptor = font;
        settings.columns = 1;
        settings.charsPerLine = 20;
    }

    std::unique_ptr<Device> device() { return std::make_unique<ForwardingDevice>(recording, failures); }

    // The job calls and drawn texts in order: "StartDoc name", "StartPage", "text ..." (TextOut and DrawText).
    std::vector<std::string> journal() const
    {
        std::vector<std::string> entries;
        for (const RecordedCall& call : recording.calls()) {
            switch (call.kind) {
            case Kind::StartDoc:
                entries.push_back("StartDoc " + toUtf8(call.text));
                break;
            case Kind::StartPage:
                entries.push_back("StartPage");
                break;
            case Kind::EndPage:
                entries.push_back("EndPage");
                break;
            case Kind::EndDoc:
                entries.push_back("EndDoc");
                break;
            case Kind::AbortDoc:
                entries.push_back("AbortDoc");
                break;
            case Kind::TextOut:
            case Kind::DrawText:
                entries.push_back("text " + toUtf8(call.text));
                break;
            default:
                break;
            }
        }
        return entries;
    }

    RecordingDevice recording { { 4800, 6600, 600, 600 } };
    std::map<std::pair<Kind, int>, int> failures;
    FontDescription font { u"ＭＳ 明朝", u"日本語" };
    PrintSettings settings;
};

TEST(PrinterErrorText, MapsSpoolResults)
{
    const std::pair<int, std::u16string> rows[] = {
        { -5, u"スプールに必要なメモリがありません。" },
        { -4, u"スプールに必要なディスク領域がありません。" },
        { -3, u"印刷が中止されました。" },
        { -2, u"印刷が中止されました。" },
        { -1, u"プリンターエラーが発生しました。" },
        { 0, u"プリンターエラーが発生しました。" },
        { -99, u"プリンターエラーが発生しました。" },
    };
    for (const auto& [result, text] : rows)
        EXPECT_EQ(printerErrorText(result), text) << result;
    EXPECT_THROW_MESSAGE(throwPrinterError(-3), PrinterError, u"印刷が中止されました。");
}

TEST_F(PrinterOutputTest, EmptySourceStartsNoJob)
{
    {
        OutputPrinter output(device(), settings, u"/home/user/memo.txt", systemClock());
        EXPECT_EQ(output.docName(), u"memo.txt - Vantolex");
        output.finish();
        EXPECT_EQ(output.state(), JobState::Finished);
    }
    EXPECT_TRUE(journal().empty());
}

TEST_F(PrinterOutputTest, DirectJobStartsAtTheFirstLineAndEndsAtFinish)
{
    {
        OutputPrinter output(device(), settings, u"/tmp/a.txt", systemClock());
        output.putLine(1, u"abc");
        output.putLine(2, u"日本");
        EXPECT_EQ(output.state(), JobState::InPage);
        output.finish();
    }
    const std::vector<std::string> expected
        = { "StartDoc a.txt - Vantolex", "StartPage", "text abc", "text 日本", "EndPage", "EndDoc" };
    EXPECT_EQ(journal(), expected);
}

TEST_F(PrinterOutputTest, PageBreakFirstPrintsAnEmptyFirstPageWithItsFurniture)
{
    settings.showPageNumber = true; // footer "- &p -"
    {
        OutputPrinter output(device(), settings, u"a.txt", systemClock());
        output.newPage();
        output.putLine(1, u"x");
        output.finish();
    }
    const std::vector<std::string> expected = { "StartDoc a.txt - Vantolex",
                                                "StartPage",
                                                "text - 1 -",
                                                "EndPage",
                                                "StartPage",
                                                "text - 2 -",
                                                "text x",
                                                "EndPage",
                                                "EndDoc" };
    EXPECT_EQ(journal(), expected);
}

TEST_F(PrinterOutputTest, DirectSpoolerFailureIsAPrinterErrorAndTheJobIsAborted)
{
    failures[{ Kind::EndPage, 1 }] = SpoolResult::UserAbort;
    {
        OutputPrinter output(device(), settings, u"a.txt", systemClock());
        output.putLine(1, u"x");
        EXPECT_THROW_MESSAGE(output.newPage(), PrinterError, u"印刷が中止されました。");
        EXPECT_EQ(output.state(), JobState::Aborted);
        EXPECT_FALSE(output.prepareForItem());
        output.abort(); // what the run does next: no further spooler call
        output.putLine(2, u"y");
    }
    const std::vector<std::string> expected
        = { "StartDoc a.txt - Vantolex", "StartPage", "text x", "EndPage", "AbortDoc" };
    EXPECT_EQ(journal(), expected);
}

TEST_F(PrinterOutputTest, DirectStartFailureThrowsFromTheFirstLine)
{
    failures[{ Kind::StartDoc, 1 }] = SpoolResult::OutOfDisk;
    OutputPrinter output(device(), settings, u"a.txt", systemClock());
    EXPECT_THROW_MESSAGE(output.putLine(1, u"x"), PrinterError, u"スプールに必要なディスク領域がありません。");
    EXPECT_EQ(output.state(), JobState::Aborted);
}

TEST_F(PrinterOutputTest, DestructorEndsAnOpenJob)
{
    {
        OutputPrinter output(device(), settings, u"a.txt", systemClock());
        output.putLine(1, u"x");
    }
    EXPECT_EQ(journal().back(), "EndDoc");

    recording.clearCalls();
    failures[{ Kind::EndPage, 1 }] = SpoolResult::Error;
    {
        OutputPrinter output(device(), settings, u"a.txt", systemClock());
        output.putLine(1, u"x");
    }
    EXPECT_EQ(journal().back(), "AbortDoc");
}

TEST_F(PrinterOutputTest, FinishFailureIsReported)
{
    failures[{ Kind::EndDoc, 1 }] = SpoolResult::OutOfMemory;
    OutputPrinter output(device(), settings, u"a.txt", systemClock());
    output.putLine(1, u"x");
    EXPECT_THROW_MESSAGE(output.finish(), PrinterError, u"スプールに必要なメモリがありません。");
}

TEST_F(PrinterOutputTest, BufferedPrintsWithTheTotalAndSkipsEmptyPages)
{
    settings.useHeaderFooter = true;
    settings.footerCenter = u"&p/&P";
    {
        OutputPrinterBuffered output(device(), settings, u"dir/b.txt", systemClock());
        EXPECT_EQ(output.docName(), u"b.txt - Vantolex");
        inTwoPasses(output, [&] {
            output.newPage(); // page 1 stays empty
            output.putLine(1, u"x");
        });
        output.finish();
        EXPECT_EQ(output.layout().totalPages, 2);
    }
    const std::vector<std::string> expected
        = { "StartDoc b.txt - Vantolex", "StartPage", "text 2/2", "text x", "EndPage", "EndDoc" };
    EXPECT_EQ(journal(), expected);
}

// A document of breaks only (a file holding a form feed) is a whole job: its empty pages print with their
// furniture, as the direct output prints them, and the document ends.
TEST_F(PrinterOutputTest, BufferedDocumentWithoutALinePrintsItsEmptyPagesLikeTheDirectOutput)
{
    settings.showPageNumber = true;
    {
        OutputPrinter output(device(), settings, u"b.txt", systemClock());
        output.breakColumn();
        output.finish();
    }
    const std::vector<std::string> direct = journal();
    recording.clearCalls();
    {
        OutputPrinterBuffered output(device(), settings, u"b.txt", systemClock());
        inTwoPasses(output, [&] { output.breakColumn(); });
        output.finish();
    }
    const std::vector<std::string> expected = { "StartDoc b.txt - Vantolex",
                                                "StartPage",
                                                "text - 1 -",
                                                "EndPage",
                                                "StartPage",
                                                "text - 2 -",
                                                "EndPage",
                                                "EndDoc" };
    EXPECT_EQ(direct, expected);
    EXPECT_EQ(journal(), expected);
}

TEST_F(PrinterOutputTest, BufferedAbortPrintsNothing)
{
    {
        OutputPrinterBuffered output(device(), settings, u"b.txt", systemClock());
        output.putLine(1, u"x");
        output.abort();
        output.finish();
    }
    EXPECT_TRUE(journal().empty());
}

// A failure of the second pass (the text cannot be read again, the run is stopped) aborts the started job.
TEST_F(PrinterOutputTest, BufferedAbortInTheDrawingPassAbortsTheJobOnce)
{
    {
        OutputPrinterBuffered output(device(), settings, u"b.txt", systemClock());
        inTwoPasses(output, [&] { output.putLine(1, u"x"); });
        output.abort();
        output.finish();
    }
    const std::vector<std::string> expected = { "StartDoc b.txt - Vantolex", "StartPage", "text x", "AbortDoc" };
    EXPECT_EQ(journal(), expected);
}

// A spooler failure while the stored pages print is reported like the direct output's, after the job has
// been aborted; it is never taken for a finished print.
TEST_F(PrinterOutputTest, BufferedSpoolerFailureIsReportedAfterAbortingTheJob)
{
    failures[{ Kind::StartPage, 2 }] = SpoolResult::Error;
    OutputPrinterBuffered output(device(), settings, u"b.txt", systemClock());
    output.putLine(1, u"x");
    output.newPage();
    output.putLine(2, u"y");
    output.startDrawingPass();
    output.putLine(1, u"x");
    output.newPage();
    EXPECT_THROW_MESSAGE(output.putLine(2, u"y"), PrinterError, u"プリンターエラーが発生しました。");
    output.abort();
    const std::vector<std::string> expected
        = { "StartDoc b.txt - Vantolex", "StartPage", "text x", "EndPage", "StartPage", "AbortDoc" };
    EXPECT_EQ(journal(), expected);
}

class FixedChooser : public PrinterChooser
{
public:
    explicit FixedChooser(std::function<std::unique_ptr<Device>()> make)
        : m_make(std::move(make))
    {
    }
    std::unique_ptr<Device> choosePrinter() override { return m_make ? m_make() : nullptr; }

private:
    std::function<std::unique_ptr<Device>()> m_make;
};

TEST_F(PrinterOutputTest, FactoryChoosesBufferedOnlyForTheTotalPageCount)
{
    FixedChooser chooser([this] { return device(); });
    PrinterFactory factory(chooser, systemClock());
    EXPECT_NE(dynamic_cast<OutputPrinter*>(factory.createOutput(settings, u"a").get()), nullptr);
    settings.useHeaderFooter = true;
    settings.headerRight = u"&p / &P";
    EXPECT_NE(dynamic_cast<OutputPrinterBuffered*>(factory.createOutput(settings, u"a").get()), nullptr);
    settings.useHeaderFooter = false; // the templates are not used, so neither is &P
    EXPECT_NE(dynamic_cast<OutputPrinter*>(factory.createOutput(settings, u"a").get()), nullptr);

    FixedChooser declining(nullptr);
    PrinterFactory declined(declining, systemClock());
    EXPECT_EQ(declined.createOutput(settings, u"a"), nullptr);
}

} // namespace
} // namespace vantolex
