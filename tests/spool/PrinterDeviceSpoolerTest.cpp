// The printer device through a private cupsd: what arrives is our PDF, with its pages and text, drawn inside
// the printer's printable area; failures of the job give their SpoolResult and leave nothing to print.
#include <gtest/gtest.h>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <regex>
#include <string>

#include "app/ApplicationPrinter.h"
#include "render/fonts/FontFamilies.h"
#include "spool/CupsCallsOverride.h"
#include "spool/CupsPrinterServices.h"
#include "spool/PrinterDevice.h"
#include "support/PrivateCupsd.h"
#include "support/TestPdf.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;

// Cairo and fontconfig keep their font caches for the life of the process; they are released at the
// end so that the leak checker of the sanitizer build sees only real leaks.
class FontCacheRelease : public ::testing::Environment
{
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

[[maybe_unused]] ::testing::Environment* const fontCacheRelease
    = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

FontDescription gothic(int height)
{
    FontDescription description;
    description.faceName = u"IPAGothic";
    description.height = height;
    return description;
}

// The spooler's id of the job of a printer device.
int jobOf(const std::unique_ptr<Device>& device)
{
    const auto* printer = dynamic_cast<const PrinterDevice*>(device.get());
    return printer ? printer->jobId() : 0;
}

// Two numbers of the first match of `pattern` in pdftotext's boxes of `pdf`; {-1, -1} when none matches.
std::pair<double, double> firstPair(const std::string& pdf, const char* pattern)
{
    const std::string boxes = test::pdfBoundingBoxes(pdf);
    std::smatch match;
    if (!std::regex_search(boxes, match, std::regex(pattern)))
        return { -1, -1 };
    return { std::stod(match[1]), std::stod(match[2]) };
}

// The size of the first page in points.
std::pair<double, double> sheetSize(const std::string& pdf)
{
    return firstPair(pdf, R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
}

// The position of the first word of the first page, in points from the sheet's top-left corner.
std::pair<double, double> firstWordPosition(const std::string& pdf)
{
    return firstPair(pdf, R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re");
}

class PrinterDeviceSpooler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!isFamilyInstalled(u"IPAGothic"))
            GTEST_SKIP() << "the packaged font IPAGothic is not installed";
        const std::string why = m_cupsd.start();
        if (!why.empty())
            GTEST_SKIP() << "no private spooler: " << why;
    }

    std::unique_ptr<Device> open(const char* destination) { return m_services.openPrinter({ destination, "", {} }); }

    bool captured(const char* printer) const { return std::filesystem::exists(m_cupsd.capturePath(printer)); }

    PrivateCupsd m_cupsd;
    CupsPrinterServices m_services { systemClock() };
};

TEST_F(PrinterDeviceSpooler, DefaultPrinterPrintsItsPagesAsOneNamedJob)
{
    ApplicationPrinter application(m_services);
    const std::unique_ptr<Device> device = application.getPrinterDC();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(application.chosenPrinter()->destination, PrivateCupsd::capture);
    EXPECT_EQ(device->capabilities(), (DeviceCaps { 4724, 6779, 600, 600 }));

    const std::unique_ptr<DeviceFont> font = device->createFont(gothic(-100)); // before the job, as layouts do
    ASSERT_NE(font, nullptr);
    EXPECT_GT(device->textExtent(*font, u"幅"), 0);
    ASSERT_GT(device->startDoc(u"メモ.txt - Vantolex"), 0);
    const int jobId = jobOf(device);
    ASSERT_GT(jobId, 0);
    for (const std::u16string text : { u"一頁目の本文です", u"二頁目 second page" }) {
        ASSERT_GT(device->startPage(), 0);
        device->textOut(*font, 0, 0, text);
        device->dashedLine(0, 200, 4000, 200);
        ASSERT_GT(device->endPage(), 0);
    }
    ASSERT_EQ(device->endDoc(), 1);

    ASSERT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, jobId, IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED)
        << m_cupsd.errorLog();
    const std::vector<test::SpooledJob> jobs = m_cupsd.jobs(PrivateCupsd::capture);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, "メモ.txt - Vantolex");
    const std::string pdf = test::readFileBytes(m_cupsd.capturePath(PrivateCupsd::capture));
    EXPECT_EQ(test::pdfPageCount(pdf), 2);
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("一頁目の本文です"), std::string::npos) << text;
    EXPECT_NE(text.find("二頁目 second page"), std::string::npos) << text;
}

TEST_F(PrinterDeviceSpooler, DrawsOnTheSheetInsideEachSidesMargin)
{
    struct Row
    {
        const char* destination;
        double width; // the sheet in points
        double height;
        double left; // margins in points
        double top;
        bool landscape = false;
    };
    const Row rows[] = {
        { PrivateCupsd::capture, 595.276, 841.89, 14.17, 14.17 }, // A4, 5 mm on each side
        { PrivateCupsd::letter, 612.0, 792.0, 18.0, 36.0 }, // Letter, 0.25 inch left, 0.5 inch top
        // turned: the top of the page along the sheet's left edge, its left along the sheet's bottom (1 inch)
        { PrivateCupsd::letter, 792.0, 612.0, 72.0, 18.0, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.destination) + (row.landscape ? " landscape" : ""));
        PrinterSelection printer { row.destination, "", {} };
        printer.landscape = row.landscape;
        const std::unique_ptr<Device> device = m_services.openPrinter(printer);
        ASSERT_NE(device, nullptr);
        const std::unique_ptr<DeviceFont> font = device->createFont(gothic(-device->capabilities().dpiY / 6));
        ASSERT_NE(font, nullptr);
        ASSERT_GT(device->startDoc(u"margins - Vantolex"), 0);
        const int jobId = jobOf(device);
        ASSERT_GT(jobId, 0);
        ASSERT_GT(device->startPage(), 0);
        device->textOut(*font, 0, 0, u"Corner");
        ASSERT_GT(device->endPage(), 0);
        ASSERT_EQ(device->endDoc(), 1);
        ASSERT_EQ(m_cupsd.waitForJob(row.destination, jobId, IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED)
            << m_cupsd.errorLog();
        const std::string pdf = test::readFileBytes(m_cupsd.capturePath(row.destination));
        const auto [width, height] = sheetSize(pdf);
        EXPECT_NEAR(width, row.width, 0.01);
        EXPECT_NEAR(height, row.height, 0.01);
        const auto [x, y] = firstWordPosition(pdf);
        // The text's box starts at the corner of the printable area.
        EXPECT_NEAR(x, row.left, 0.5);
        EXPECT_NEAR(y, row.top, 0.5);
    }
}

TEST_F(PrinterDeviceSpooler, RejectingDestinationFailsToStartAndLeavesNoJob)
{
    const std::unique_ptr<Device> device = open(PrivateCupsd::rejecting);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->startDoc(u"memo.txt - Vantolex"), SpoolResult::Error);
    EXPECT_EQ(device->failureText(), u"プリンタ rejecting は印刷ジョブを受け付けていません。\n理由: トナー交換中");
    EXPECT_EQ(device->startPage(), SpoolResult::Error);
    EXPECT_TRUE(m_cupsd.jobs(PrivateCupsd::rejecting).empty());
}

TEST_F(PrinterDeviceSpooler, AbortedOrAbandonedDocumentIsCancelledAndNothingPrints)
{
    for (const bool explicitAbort : { true, false }) {
        SCOPED_TRACE(explicitAbort ? "abortDoc" : "destroyed with an open document");
        int jobId = 0;
        {
            const std::unique_ptr<Device> device = open(PrivateCupsd::stopped);
            ASSERT_NE(device, nullptr);
            const std::unique_ptr<DeviceFont> font = device->createFont(gothic(-100));
            ASSERT_GT(device->startDoc(u"aborted - Vantolex"), 0);
            jobId = jobOf(device);
            ASSERT_GT(jobId, 0);
            ASSERT_GT(device->startPage(), 0);
            device->textOut(*font, 0, 0, u"never printed");
            ASSERT_GT(device->endPage(), 0);
            ASSERT_GT(device->startPage(), 0);
            if (explicitAbort) {
                EXPECT_GT(device->abortDoc(), 0);
            }
        }
        EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::stopped, jobId, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    }
    EXPECT_FALSE(captured(PrivateCupsd::stopped));
}

TEST_F(PrinterDeviceSpooler, JobDeletedByTheUserEndsThePageWithUserAbort)
{
    const std::unique_ptr<Device> device = open(PrivateCupsd::capture);
    ASSERT_NE(device, nullptr);
    const std::unique_ptr<DeviceFont> font = device->createFont(gothic(-100));
    ASSERT_GT(device->startDoc(u"deleted - Vantolex"), 0);
    const int jobId = jobOf(device);
    ASSERT_GT(jobId, 0);
    ASSERT_GT(device->startPage(), 0);
    device->textOut(*font, 0, 0, u"page one");
    ASSERT_GT(device->endPage(), 0);
    ASSERT_EQ(cupsCancelJob2(CUPS_HTTP_DEFAULT, PrivateCupsd::capture, jobId, 0), IPP_STATUS_OK);

    ASSERT_GT(device->startPage(), 0);
    device->textOut(*font, 0, 0, u"page two");
    EXPECT_EQ(device->endPage(), SpoolResult::UserAbort);
    EXPECT_GT(device->abortDoc(), 0);
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, jobId, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(captured(PrivateCupsd::capture));
}

http_status_t spoolFull(http_t*, const char*, size_t)
{
    return HTTP_STATUS_REQUEST_TOO_LARGE;
}

TEST_F(PrinterDeviceSpooler, FullSpoolGivesOutOfDiskAndCancelsTheJob)
{
    const std::unique_ptr<Device> device = open(PrivateCupsd::capture);
    ASSERT_NE(device, nullptr);
    const std::unique_ptr<DeviceFont> font = device->createFont(gothic(-100));
    test::CupsCallsOverride seam;
    seam.calls().writeRequestData = spoolFull;
    int result = device->startDoc(u"full - Vantolex");
    if (result > 0)
        result = device->startPage();
    if (result > 0) {
        device->textOut(*font, 0, 0, u"too much");
        result = device->endPage();
    }
    if (result > 0)
        result = device->endDoc();
    EXPECT_EQ(result, SpoolResult::OutOfDisk);
    (void)device->abortDoc();
    const std::vector<test::SpooledJob> jobs = m_cupsd.jobs(PrivateCupsd::capture);
    for (const test::SpooledJob& job : jobs)
        EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, job.id, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(captured(PrivateCupsd::capture));
}

TEST_F(PrinterDeviceSpooler, UnknownDestinationGivesNoDevice)
{
    EXPECT_EQ(open("no-such-printer"), nullptr);
}

TEST(PrinterServicesWithoutSpooler, NoSpoolerMeansNoPrinterDevice)
{
    cupsSetServer("127.0.0.1:9"); // nothing listens there
    CupsPrinterServices services(systemClock());
    ApplicationPrinter application(services);
    EXPECT_EQ(application.getPrinterDC(), nullptr);
    EXPECT_FALSE(application.chosenPrinter().has_value());
    cupsSetServer(nullptr);
}

} // namespace
} // namespace vantolex
