#include <gtest/gtest.h>

#include <string>

#include "layout/device/CairoStreamDevice.h"

namespace vantolex {
namespace {

// Collects the document in memory; can refuse to open or fail from a given write on.
class MemorySink final : public ByteSink
{
public:
    int openResult = 1;
    int failingWrite = -1; // 0-based index of the first failing write; -1: none
    int writeFailure = SpoolResult::OutOfDisk;
    int closeResult = 1;

    std::string bytes;
    std::u16string jobName;
    int writes = 0;
    int opens = 0;
    int closes = 0;
    int abandons = 0;

    int open(std::u16string_view name) override
    {
        ++opens;
        jobName = name;
        return openResult;
    }
    int write(const unsigned char* data, std::size_t size) override
    {
        if (failingWrite >= 0 && writes >= failingWrite) {
            ++writes;
            return writeFailure;
        }
        ++writes;
        bytes.append(reinterpret_cast<const char*>(data), size);
        return 1;
    }
    int close() override
    {
        ++closes;
        return closeResult;
    }
    void abandon() noexcept override { ++abandons; }
};

const SheetFormat smallSheet { 100, 50, 300, 300, 5 };

void drawOnePage(Device& device)
{
    ASSERT_GT(device.startDoc(u"テスト - Vantolex"), 0);
    ASSERT_GT(device.startPage(), 0);
    device.fillRect({ 10, 10, 100, 100 }, { 0, 0, 0 });
    device.dashedLine(0, 0, 200, 0);
    ASSERT_GT(device.endPage(), 0);
}

TEST(CairoStreamDevice, WritesEachFormatToTheSink)
{
    struct Row
    {
        const char* name;
        VectorFormat format;
        std::string start;
    };
    const Row rows[] = {
        { "PDF", VectorFormat::Pdf, "%PDF-" },
        { "PostScript", VectorFormat::PostScript, "%!PS-Adobe" },
        { "SVG", VectorFormat::Svg, "<?xml" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemorySink sink;
        {
            CairoStreamDevice device(row.format, smallSheet, sink);
            EXPECT_EQ(device.capabilities(), (DeviceCaps { 1062, 472, 300, 300 }));
            drawOnePage(device);
            EXPECT_EQ(device.endDoc(), 1);
        }
        EXPECT_EQ(sink.bytes.substr(0, row.start.size()), row.start);
        EXPECT_EQ(sink.jobName, u"テスト - Vantolex");
        EXPECT_EQ(sink.opens, 1);
        EXPECT_EQ(sink.closes, 1);
        EXPECT_EQ(sink.abandons, 0);
    }
}

TEST(CairoStreamDevice, RefusedOpenIsTheJobResult)
{
    MemorySink sink;
    sink.openResult = SpoolResult::UserAbort;
    CairoStreamDevice device(VectorFormat::Pdf, smallSheet, sink);
    EXPECT_EQ(device.startDoc(u"job"), SpoolResult::UserAbort);
    EXPECT_EQ(device.startPage(), SpoolResult::Error);
    EXPECT_EQ(sink.bytes, "");
}

TEST(CairoStreamDevice, FailedWriteIsReportedWithItsOwnResultAndTheDocumentAbandoned)
{
    MemorySink sink;
    sink.failingWrite = 0;
    CairoStreamDevice device(VectorFormat::Pdf, smallSheet, sink);
    ASSERT_EQ(device.startDoc(u"job"), 1);
    ASSERT_EQ(device.startPage(), 1);
    device.fillRect({ 0, 0, 10, 10 }, { 0, 0, 0 });
    const int page = device.endPage();
    const int end = device.endDoc();
    // The PDF surface may hold the page back until the end; the failure shows at the latest there.
    EXPECT_TRUE(page == SpoolResult::OutOfDisk || (page == 1 && end == SpoolResult::OutOfDisk))
        << "endPage " << page << ", endDoc " << end;
    EXPECT_EQ(sink.abandons, 1);
    EXPECT_EQ(sink.closes, 0);
}

TEST(CairoStreamDevice, FailedCloseIsTheResultOfEndDoc)
{
    MemorySink sink;
    sink.closeResult = SpoolResult::OutOfMemory;
    CairoStreamDevice device(VectorFormat::Pdf, smallSheet, sink);
    drawOnePage(device);
    EXPECT_EQ(device.endDoc(), SpoolResult::OutOfMemory);
}

TEST(CairoStreamDevice, JobOperationsOutOfOrderFail)
{
    MemorySink sink;
    CairoStreamDevice device(VectorFormat::Pdf, smallSheet, sink);
    EXPECT_EQ(device.startPage(), SpoolResult::Error);
    EXPECT_EQ(device.endPage(), SpoolResult::Error);
    EXPECT_EQ(device.endDoc(), SpoolResult::Error);
    EXPECT_EQ(device.abortDoc(), SpoolResult::Error);
    ASSERT_EQ(device.startDoc(u"job"), 1);
    EXPECT_EQ(device.startDoc(u"job"), SpoolResult::Error);
    EXPECT_EQ(device.endPage(), SpoolResult::Error);
    ASSERT_EQ(device.startPage(), 1);
    EXPECT_EQ(device.startPage(), SpoolResult::Error);
    EXPECT_EQ(device.endDoc(), SpoolResult::Error); // a page is open
    EXPECT_EQ(device.endPage(), 1);
    EXPECT_EQ(device.endDoc(), 1);
}

TEST(CairoStreamDevice, AbortAbandonsTheDocumentAndWritesNothingMore)
{
    MemorySink sink;
    {
        CairoStreamDevice device(VectorFormat::Pdf, smallSheet, sink);
        drawOnePage(device);
        const std::size_t before = sink.bytes.size();
        EXPECT_EQ(device.abortDoc(), 1);
        EXPECT_EQ(sink.bytes.size(), before);
        EXPECT_EQ(sink.abandons, 1);
        // A new job can follow.
        EXPECT_EQ(device.startDoc(u"again"), 1);
    }
    // Destroying a device with an open document abandons it.
    EXPECT_EQ(sink.abandons, 2);
    EXPECT_EQ(sink.closes, 0);
}

} // namespace
} // namespace vantolex
