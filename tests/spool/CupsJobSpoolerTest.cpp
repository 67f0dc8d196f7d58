// CupsJob against a real spooler: a private cupsd whose printers capture what they print.
#include <gtest/gtest.h>

#include <string>

#include "layout/Device.h"
#include "spool/CupsJob.h"
#include "support/PrivateCupsd.h"
#include "support/TestPdf.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;

class CupsJobSpooler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string why = m_cupsd.start();
        if (!why.empty())
            GTEST_SKIP() << "no private spooler: " << why;
    }

    // Sends `pdf` in pieces of `pieceSize` bytes.
    static int writeInPieces(CupsJob& job, const std::string& pdf, std::size_t pieceSize)
    {
        for (std::size_t at = 0; at < pdf.size(); at += pieceSize) {
            const int result = job.write(std::span(pdf).subspan(at, std::min(pieceSize, pdf.size() - at)));
            if (result <= 0)
                return result;
        }
        return 1;
    }

    const test::SpooledJob* findJob(const std::string& printer, int id)
    {
        m_jobs = m_cupsd.jobs(printer);
        for (const test::SpooledJob& job : m_jobs) {
            if (job.id == id)
                return &job;
        }
        return nullptr;
    }

    PrivateCupsd m_cupsd;
    std::vector<test::SpooledJob> m_jobs;
};

TEST_F(CupsJobSpooler, DeliversTheNamedJobWithExactlyTheBytesSent)
{
    const std::string pdf = test::makeTestPdf({ "First page of the spool test", "Second page" });
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, "memo.txt - Vantolex"), 1);
    EXPECT_TRUE(job.isOpen());
    ASSERT_EQ(writeInPieces(job, pdf, 1000), 1);
    ASSERT_EQ(job.finish(), 1);
    EXPECT_FALSE(job.isOpen());
    ASSERT_GT(job.id(), 0);

    ASSERT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, job.id(), IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED)
        << m_cupsd.errorLog();
    const test::SpooledJob* spooled = findJob(PrivateCupsd::capture, job.id());
    ASSERT_NE(spooled, nullptr);
    EXPECT_EQ(spooled->title, "memo.txt - Vantolex");
    const std::string captured = test::readFileBytes(m_cupsd.capturePath(PrivateCupsd::capture));
    EXPECT_TRUE(captured == pdf) << "captured " << captured.size() << " bytes, sent " << pdf.size();
    EXPECT_EQ(test::pdfPageCount(captured), 2);
    EXPECT_NE(test::pdfText(captured).find("First page of the spool test"), std::string::npos);
}

TEST_F(CupsJobSpooler, KeepsJapaneseJobNamesAndCutsLongOnesAtACharacterBoundary)
{
    struct Row
    {
        const char* name;
        std::string jobName;
        std::string expectedTitle;
    };
    std::string longName;
    for (int i = 0; i < 100; ++i)
        longName += "あ"; // 3 bytes each: 300 bytes
    const Row rows[] = {
        { "japanese", "メモ.txt - Vantolex", "メモ.txt - Vantolex" },
        { "longer than 255 bytes", longName, longName.substr(0, 255) }, // 85 whole characters
    };
    const std::string pdf = test::makeTestPdf({ "name" });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CupsJob job;
        ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, row.jobName), 1);
        ASSERT_EQ(job.write(pdf), 1);
        ASSERT_EQ(job.finish(), 1);
        const test::SpooledJob* spooled = findJob(PrivateCupsd::capture, job.id());
        ASSERT_NE(spooled, nullptr);
        EXPECT_EQ(spooled->title, row.expectedTitle);
    }
}

// The value of an integer attribute of job `jobId`, -1 when the spooler does not give it.
int jobAttribute(int jobId, const char* name)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", jobId);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    std::unique_ptr<ipp_t, void (*)(ipp_t*)> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"), ippDelete);
    ipp_attribute_t* attribute = response ? ippFindAttribute(response.get(), name, IPP_TAG_INTEGER) : nullptr;
    return attribute ? ippGetInteger(attribute, 0) : -1;
}

TEST_F(CupsJobSpooler, JobCarriesThePrintersOptions)
{
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::stopped, "", { { "job-priority", "75" } } }, "options - Vantolex"), 1);
    EXPECT_EQ(jobAttribute(job.id(), "job-priority"), 75);
    EXPECT_EQ(job.cancel(), 1);
}

TEST_F(CupsJobSpooler, RejectingOrUnknownDestinationFailsWithErrorAndLeavesNoJob)
{
    for (const char* destination : { PrivateCupsd::rejecting, "no-such-printer" }) {
        SCOPED_TRACE(destination);
        CupsJob job;
        EXPECT_EQ(job.start({ destination, "", {} }, "memo.txt - Vantolex"), SpoolResult::Error);
        EXPECT_FALSE(job.isOpen());
        EXPECT_EQ(job.id(), 0);
        EXPECT_TRUE(m_cupsd.jobs(destination).empty());
    }
}

TEST_F(CupsJobSpooler, CancelDropsTheHalfSentDocument)
{
    const std::string pdf = test::makeTestPdf({ "cancelled" });
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, "cancelled - Vantolex"), 1);
    ASSERT_EQ(job.write(std::span(pdf).first(pdf.size() / 2)), 1);
    EXPECT_EQ(job.cancel(), 1);
    EXPECT_FALSE(job.isOpen());
    EXPECT_EQ(job.cancel(), 1); // nothing left to cancel

    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, job.id(), IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(m_cupsd.capturePath(PrivateCupsd::capture)));
}

TEST_F(CupsJobSpooler, DestructorCancelsAnUnfinishedJobOnAStoppedDestination)
{
    const std::string pdf = test::makeTestPdf({ "never printed" });
    int id = 0;
    {
        CupsJob job;
        ASSERT_EQ(job.start({ PrivateCupsd::stopped, "", {} }, "stopped - Vantolex"), 1);
        ASSERT_EQ(job.write(pdf), 1);
        id = job.id();
    }
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::stopped, id, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(m_cupsd.capturePath(PrivateCupsd::stopped)));
}

TEST_F(CupsJobSpooler, JobDeletedOnTheSpoolerWhileWritingGivesUserAbort)
{
    const std::string pdf = test::makeTestPdf({ "deleted by the user" });
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, "deleted - Vantolex"), 1);
    ASSERT_EQ(job.write(std::span(pdf).first(100)), 1);
    ASSERT_EQ(cupsCancelJob2(CUPS_HTTP_DEFAULT, PrivateCupsd::capture, job.id(), 0), IPP_STATUS_OK)
        << cupsLastErrorString();

    EXPECT_EQ(job.poll(), SpoolResult::UserAbort);
    EXPECT_FALSE(job.isOpen());
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, job.id(), IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(m_cupsd.capturePath(PrivateCupsd::capture)));
}

TEST_F(CupsJobSpooler, JobDeletedOnTheSpoolerBeforeFinishGivesUserAbort)
{
    const std::string pdf = test::makeTestPdf({ "deleted by the user" });
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, "deleted - Vantolex"), 1);
    EXPECT_EQ(job.poll(), 1); // still wanted
    ASSERT_EQ(job.write(pdf), 1);
    ASSERT_EQ(cupsCancelJob2(CUPS_HTTP_DEFAULT, PrivateCupsd::capture, job.id(), 0), IPP_STATUS_OK)
        << cupsLastErrorString();

    EXPECT_EQ(job.finish(), SpoolResult::UserAbort);
    EXPECT_FALSE(job.isOpen());
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, job.id(), IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(m_cupsd.capturePath(PrivateCupsd::capture)));
}

TEST_F(CupsJobSpooler, DocumentBeyondTheSpoolLimitGivesOutOfDiskAndLeavesNoJob)
{
    // The private spooler takes at most 2 MB per request, as a full spool disk would refuse it.
    const std::string piece(64 * 1024, '%');
    CupsJob job;
    ASSERT_EQ(job.start({ PrivateCupsd::capture, "", {} }, "big - Vantolex"), 1);
    int result = 1;
    for (int i = 0; i < 64 && result > 0; ++i)
        result = job.write(piece);
    if (result > 0)
        result = job.finish();
    EXPECT_EQ(result, SpoolResult::OutOfDisk);
    EXPECT_FALSE(job.isOpen());
    const ipp_jstate_t state = m_cupsd.waitForJob(PrivateCupsd::capture, job.id(), IPP_JSTATE_CANCELED);
    EXPECT_GE(state, IPP_JSTATE_CANCELED);
    EXPECT_NE(state, IPP_JSTATE_COMPLETED);
    EXPECT_FALSE(std::filesystem::exists(m_cupsd.capturePath(PrivateCupsd::capture)));
}

TEST_F(CupsJobSpooler, MoveAssignmentCancelsTheJobItReplaces)
{
    CupsJob first;
    ASSERT_EQ(first.start({ PrivateCupsd::capture, "", {} }, "first - Vantolex"), 1);
    const int firstId = first.id();
    CupsJob second;
    ASSERT_EQ(second.start({ PrivateCupsd::capture, "", {} }, "second - Vantolex"), 1);
    const int secondId = second.id();

    first = std::move(second);
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, firstId, IPP_JSTATE_CANCELED), IPP_JSTATE_CANCELED);
    EXPECT_TRUE(first.isOpen());
    EXPECT_EQ(first.id(), secondId);
    EXPECT_FALSE(second.isOpen()); // NOLINT(bugprone-use-after-move): a moved-from job holds nothing
    EXPECT_EQ(first.write(test::makeTestPdf({ "moved" })), 1);
    EXPECT_EQ(first.finish(), 1);
    EXPECT_EQ(m_cupsd.waitForJob(PrivateCupsd::capture, secondId, IPP_JSTATE_COMPLETED), IPP_JSTATE_COMPLETED);
}

} // namespace
} // namespace vantolex
