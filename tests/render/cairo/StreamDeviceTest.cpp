#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "render/cairo/CairoStreamDevice.h"
#include "render/pdf/PdfDevice.h"
#include "support/MemorySink.h"

namespace vantolex {
namespace {

using testing::MemorySink;

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

// The devices that write a document to a sink: Cairo's for PostScript and SVG, our own PDF writer (files and
// printers). The job operations behave alike on each.
struct StreamDeviceMaker
{
    const char* name;
    std::function<std::unique_ptr<Device>(ByteSink&)> make;
};

const StreamDeviceMaker streamDevices[] = {
    { "Cairo PostScript",
      [](ByteSink& sink) { return std::make_unique<CairoStreamDevice>(VectorFormat::PostScript, smallSheet, sink); } },
    { "PDF writer",
      [](ByteSink& sink) {
          return std::make_unique<PdfDevice>(sheetCapabilities(smallSheet), pdfSheetOf(smallSheet), sink,
                                             systemClock());
      } },
};

TEST(StreamDevice, RefusedOpenIsTheJobResult)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        sink.openResult = SpoolResult::UserAbort;
        auto device = maker.make(sink);
        EXPECT_EQ(device->startDoc(u"job"), SpoolResult::UserAbort);
        EXPECT_EQ(device->startPage(), SpoolResult::Error);
        EXPECT_EQ(sink.bytes, "");
    }
}

TEST(StreamDevice, FailedWriteIsReportedWithItsOwnResultAndTheDocumentAbandoned)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        sink.failingWrite = 0;
        auto device = maker.make(sink);
        // The failure shows at the first operation that writes, at the latest at the end; the operations
        // before it succeed.
        int result = device->startDoc(u"job");
        if (result > 0) {
            result = device->startPage();
            device->fillRect({ 0, 0, 10, 10 }, { 0, 0, 0 });
        }
        if (result > 0) {
            result = device->endPage();
        }
        if (result <= 0) {
            EXPECT_EQ(result, SpoolResult::OutOfDisk);
            device->abortDoc();
        } else {
            EXPECT_EQ(device->endDoc(), SpoolResult::OutOfDisk);
        }
        EXPECT_EQ(sink.abandons, 1);
        EXPECT_EQ(sink.closes, 0);
    }
}

TEST(StreamDevice, FailedPageKeepsItsResultUntilTheJobIsAborted)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        sink.endPageResult = SpoolResult::UserAbort;
        auto device = maker.make(sink);
        ASSERT_EQ(device->startDoc(u"job"), 1);
        ASSERT_EQ(device->startPage(), 1);
        EXPECT_EQ(device->endPage(), SpoolResult::UserAbort);
        EXPECT_EQ(device->startPage(), SpoolResult::UserAbort);
        EXPECT_EQ(device->abortDoc(), 1);
        EXPECT_EQ(sink.abandons, 1);
        EXPECT_EQ(sink.closes, 0);
    }
}

TEST(StreamDevice, FailedCloseIsTheResultOfEndDoc)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        sink.closeResult = SpoolResult::OutOfMemory;
        auto device = maker.make(sink);
        drawOnePage(*device);
        EXPECT_EQ(device->endDoc(), SpoolResult::OutOfMemory);
    }
}

TEST(StreamDevice, JobOperationsOutOfOrderFail)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        auto device = maker.make(sink);
        EXPECT_EQ(device->startPage(), SpoolResult::Error);
        EXPECT_EQ(device->endPage(), SpoolResult::Error);
        EXPECT_EQ(device->endDoc(), SpoolResult::Error);
        EXPECT_EQ(device->abortDoc(), SpoolResult::Error);
        ASSERT_EQ(device->startDoc(u"job"), 1);
        EXPECT_EQ(device->startDoc(u"job"), SpoolResult::Error);
        EXPECT_EQ(device->endPage(), SpoolResult::Error);
        ASSERT_EQ(device->startPage(), 1);
        EXPECT_EQ(device->startPage(), SpoolResult::Error);
        EXPECT_EQ(device->endDoc(), SpoolResult::Error); // a page is open
        EXPECT_EQ(device->endPage(), 1);
        EXPECT_EQ(device->endDoc(), 1);
    }
}

TEST(StreamDevice, AbortAbandonsTheDocumentAndWritesNothingMore)
{
    for (const StreamDeviceMaker& maker : streamDevices) {
        SCOPED_TRACE(maker.name);
        MemorySink sink;
        {
            auto device = maker.make(sink);
            drawOnePage(*device);
            const std::size_t before = sink.bytes.size();
            EXPECT_EQ(device->abortDoc(), 1);
            EXPECT_EQ(sink.bytes.size(), before);
            EXPECT_EQ(sink.abandons, 1);
            // A new job can follow.
            EXPECT_EQ(device->startDoc(u"again"), 1);
        }
        // Destroying a device with an open document abandons it.
        EXPECT_EQ(sink.abandons, 2);
        EXPECT_EQ(sink.closes, 0);
    }
}

} // namespace
} // namespace vantolex
