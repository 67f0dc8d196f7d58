// CupsJob with each libcups call made to fail in turn through the seam: the SpoolResult of each failure,
// and that a failed job is cancelled on the spooler.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <new>
#include <string>
#include <vector>

#include "layout/Device.h"
#include "spool/CupsCallsOverride.h"
#include "spool/CupsJob.h"
#include "spool/CupsResult.h"

// Allocation that fails on demand, for the report of the destructor.
namespace {
bool failAllocations = false;
}

void* operator new(std::size_t size)
{
    void* memory = failAllocations ? nullptr : std::malloc(size == 0 ? 1 : size);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace vantolex {
namespace {

enum class Call
{
    None,
    Connect,
    CreateJob,
    StartDocument,
    WriteRequestData,
    FinishDocument,
    CancelJob,
};

// What the fake spooler does; reset by each test.
struct FakeSpooler
{
    Call failing = Call::None;
    http_status_t httpFailure = HTTP_STATUS_ERROR;
    ipp_status_t ippFailure = IPP_STATUS_ERROR_INTERNAL;
    std::string failureMessage = "failed";
    bool jobCancelledByUser = false; // what Get-Job-Attributes reports
    std::deque<http_status_t> unreadAnswers; // what the spooler sent before it dropped the connection
    int connects = 0;
    std::vector<int> cancelledJobs;
    std::string written;
    ipp_status_t lastError = IPP_STATUS_OK;
    std::string lastErrorMessage;
};

FakeSpooler fake;
constexpr int fakeJobId = 42;

ipp_status_t setLastError(ipp_status_t status)
{
    fake.lastError = status;
    fake.lastErrorMessage = status == IPP_STATUS_OK ? "" : fake.failureMessage;
    return status;
}

http_t* fakeConnect(const char*, int, http_addrlist_t*, int, http_encryption_t, int, int, int*)
{
    if (fake.failing == Call::Connect)
        return nullptr;
    ++fake.connects;
    // A connection object that is never connected: a timeout of 0 skips connecting.
    return httpConnect2("127.0.0.1", 9, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 0, nullptr);
}

int fakeCreateJob(http_t*, const char*, const char*, int, cups_option_t*)
{
    if (fake.failing == Call::CreateJob) {
        setLastError(fake.ippFailure);
        return 0;
    }
    setLastError(IPP_STATUS_OK);
    return fakeJobId;
}

http_status_t fakeStartDocument(http_t*, const char*, int, const char*, const char*, int)
{
    return fake.failing == Call::StartDocument ? fake.httpFailure : HTTP_STATUS_CONTINUE;
}

http_status_t fakeWriteRequestData(http_t*, const char* buffer, size_t length)
{
    if (fake.failing == Call::WriteRequestData)
        return fake.httpFailure;
    fake.written.append(buffer, length);
    return HTTP_STATUS_CONTINUE;
}

int fakeWait(http_t*, int)
{
    return fake.unreadAnswers.empty() ? 0 : 1;
}

http_status_t fakeUpdate(http_t*)
{
    const http_status_t answer = fake.unreadAnswers.front();
    fake.unreadAnswers.pop_front();
    return answer;
}

ipp_status_t fakeFinishDocument(http_t*, const char*)
{
    return setLastError(fake.failing == Call::FinishDocument ? fake.ippFailure : IPP_STATUS_OK);
}

ipp_status_t fakeCancelJob(http_t*, const char*, int jobId, int)
{
    if (fake.failing == Call::CancelJob)
        return setLastError(fake.ippFailure);
    fake.cancelledJobs.push_back(jobId);
    return setLastError(IPP_STATUS_OK);
}

ipp_t* fakeDoRequest(http_t*, ipp_t* request, const char*)
{
    ippDelete(request);
    ipp_t* response = ippNew();
    ippAddInteger(response, IPP_TAG_JOB, IPP_TAG_ENUM, "job-state",
                  fake.jobCancelledByUser ? IPP_JSTATE_CANCELED : IPP_JSTATE_HELD);
    return response;
}

ipp_status_t fakeLastError()
{
    return fake.lastError;
}

const char* fakeLastErrorString()
{
    return fake.lastErrorMessage.c_str();
}

class CupsJobSeam : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake = FakeSpooler();
        CupsCalls& calls = m_override.calls();
        calls.connect = fakeConnect;
        calls.createJob = fakeCreateJob;
        calls.startDocument = fakeStartDocument;
        calls.writeRequestData = fakeWriteRequestData;
        calls.wait = fakeWait;
        calls.update = fakeUpdate;
        calls.finishDocument = fakeFinishDocument;
        calls.cancelJob = fakeCancelJob;
        calls.doRequest = fakeDoRequest;
        calls.lastError = fakeLastError;
        calls.lastErrorString = fakeLastErrorString;
    }

    // Runs a whole job, stopping at the first failure; returns that result or the last success.
    static int runJob(CupsJob& job)
    {
        int result = job.start({ "printer", "", { { "copies", "2" } } }, "memo.txt - Vantolex");
        if (result > 0)
            result = job.write(std::string_view("%PDF-1.5 body"));
        if (result > 0)
            result = job.finish();
        return result;
    }

    test::CupsCallsOverride m_override;
};

TEST_F(CupsJobSeam, WholeJobSucceedsWithoutCancelling)
{
    CupsJob job;
    EXPECT_EQ(runJob(job), 1);
    EXPECT_EQ(fake.written, "%PDF-1.5 body");
    EXPECT_TRUE(fake.cancelledJobs.empty());
    EXPECT_EQ(job.id(), fakeJobId);
    EXPECT_FALSE(job.isOpen());
}

TEST_F(CupsJobSeam, EachFailingCallGivesItsResultAndLeavesNoJob)
{
    struct Row
    {
        const char* name;
        Call failing;
        http_status_t httpFailure;
        ipp_status_t ippFailure;
        std::string message;
        int expected;
        bool jobCreated; // a job existed on the spooler and must have been cancelled
    };
    const std::string outOfMemory = std::strerror(ENOMEM);
    const Row rows[] = {
        { "no connection", Call::Connect, HTTP_STATUS_ERROR, IPP_STATUS_OK, "", SpoolResult::Error, false },
        { "create: not accepting", Call::CreateJob, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS,
          "not accepting", SpoolResult::Error, false },
        { "create: not found", Call::CreateJob, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_NOT_FOUND, "not found",
          SpoolResult::Error, false },
        { "create: password prompt dismissed", Call::CreateJob, HTTP_STATUS_ERROR,
          IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED, "cancelled", SpoolResult::UserAbort, false },
        { "create: out of memory", Call::CreateJob, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_INTERNAL, outOfMemory,
          SpoolResult::OutOfMemory, false },
        { "create: other internal error", Call::CreateJob, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_INTERNAL, "broken",
          SpoolResult::Error, false },
        { "start: spool full", Call::StartDocument, HTTP_STATUS_REQUEST_TOO_LARGE, IPP_STATUS_OK, "",
          SpoolResult::OutOfDisk, true },
        { "start: connection lost", Call::StartDocument, HTTP_STATUS_ERROR, IPP_STATUS_OK, "", SpoolResult::Error,
          true },
        { "write: spool full", Call::WriteRequestData, HTTP_STATUS_REQUEST_TOO_LARGE, IPP_STATUS_OK, "",
          SpoolResult::OutOfDisk, true },
        { "write: password prompt dismissed", Call::WriteRequestData, HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED,
          IPP_STATUS_OK, "", SpoolResult::UserAbort, true },
        { "write: connection lost", Call::WriteRequestData, HTTP_STATUS_ERROR, IPP_STATUS_OK, "", SpoolResult::Error,
          true },
        { "finish: spool full", Call::FinishDocument, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_REQUEST_VALUE,
          "Request Entity Too Large", SpoolResult::OutOfDisk, true },
        { "finish: entity too large", Call::FinishDocument, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_REQUEST_ENTITY,
          "too large", SpoolResult::OutOfDisk, true },
        { "finish: out of memory", Call::FinishDocument, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_INTERNAL, outOfMemory,
          SpoolResult::OutOfMemory, true },
        { "finish: printer gone", Call::FinishDocument, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_NOT_FOUND, "gone",
          SpoolResult::Error, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake = FakeSpooler();
        fake.failing = row.failing;
        fake.httpFailure = row.httpFailure;
        fake.ippFailure = row.ippFailure;
        fake.failureMessage = row.message;
        CupsJob job;
        EXPECT_EQ(runJob(job), row.expected);
        EXPECT_FALSE(job.isOpen());
        EXPECT_EQ(fake.cancelledJobs, row.jobCreated ? std::vector<int> { fakeJobId } : std::vector<int> {});
        EXPECT_EQ(job.cancel(), 1); // nothing left to cancel
    }
}

TEST_F(CupsJobSeam, TransferFailureOfAJobTheUserDeletedGivesUserAbort)
{
    fake.failing = Call::WriteRequestData;
    fake.httpFailure = HTTP_STATUS_ERROR;
    fake.jobCancelledByUser = true;
    CupsJob job;
    EXPECT_EQ(runJob(job), SpoolResult::UserAbort);
    EXPECT_EQ(fake.cancelledJobs, std::vector<int> { fakeJobId });
}

TEST_F(CupsJobSeam, WriteCutOffByTheSpoolersRefusalGivesTheRefusal)
{
    // The refusal came while the document was still being sent; the write that met the dropped connection
    // failed bare, and the answer waits behind the end of an interim "100 Continue".
    fake.failing = Call::WriteRequestData;
    fake.httpFailure = HTTP_STATUS_ERROR;
    fake.unreadAnswers = { HTTP_STATUS_CONTINUE, HTTP_STATUS_REQUEST_TOO_LARGE };
    CupsJob job;
    EXPECT_EQ(runJob(job), SpoolResult::OutOfDisk);
    EXPECT_EQ(fake.cancelledJobs, std::vector<int> { fakeJobId });
}

TEST_F(CupsJobSeam, PollAndFinishTellAJobTheUserDeleted)
{
    CupsJob job;
    ASSERT_EQ(job.start({ "printer", "", {} }, "memo.txt - Vantolex"), 1);
    EXPECT_EQ(job.poll(), 1);
    fake.jobCancelledByUser = true;
    EXPECT_EQ(job.poll(), SpoolResult::UserAbort);
    EXPECT_FALSE(job.isOpen());
    EXPECT_EQ(job.write(std::string_view("more")), SpoolResult::Error); // no job any more

    CupsJob finished;
    EXPECT_EQ(runJob(finished), SpoolResult::UserAbort);
}

TEST_F(CupsJobSeam, FailedCancelIsReportedByCancelAndOnlyReportedByTheDestructor)
{
    {
        CupsJob job;
        ASSERT_EQ(job.start({ "printer", "", {} }, "memo.txt - Vantolex"), 1);
        fake.failing = Call::CancelJob;
        fake.ippFailure = IPP_STATUS_ERROR_FORBIDDEN;
        EXPECT_EQ(job.cancel(), SpoolResult::Error);
        EXPECT_FALSE(job.isOpen());
    }
    fake.failing = Call::None;
    testing::internal::CaptureStderr();
    {
        CupsJob job;
        ASSERT_EQ(job.start({ "printer", "", {} }, "memo.txt - Vantolex"), 1);
        fake.failing = Call::CancelJob;
    }
    // After the name of the program whose message it is: vantolex, vantolex-print, or here the test.
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string(program_invocation_short_name) + ": 印刷ジョブ 42（printer）を取り消せませんでした。\n");
}

TEST_F(CupsJobSeam, DestructorOutOfMemoryForItsReportDropsTheReport)
{
    testing::internal::CaptureStderr();
    {
        CupsJob job;
        ASSERT_EQ(job.start({ "printer", "", {} }, "memo.txt - Vantolex"), 1);
        fake.failing = Call::CancelJob;
        failAllocations = true;
    }
    failAllocations = false;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(CupsJobSeam, OperationsWithoutAJobFail)
{
    CupsJob job;
    EXPECT_EQ(job.write(std::string_view("x")), SpoolResult::Error);
    EXPECT_EQ(job.finish(), SpoolResult::Error);
    EXPECT_EQ(job.cancel(), 1);
    EXPECT_EQ(job.poll(), 1);
    EXPECT_EQ(fake.connects, 0);
}

TEST(CupsResult, MapsStatusesToSpoolResults)
{
    EXPECT_EQ(spoolResultOfTransfer(HTTP_STATUS_REQUEST_TOO_LARGE), SpoolResult::OutOfDisk);
    EXPECT_EQ(spoolResultOfTransfer(HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED), SpoolResult::UserAbort);
    EXPECT_EQ(spoolResultOfTransfer(HTTP_STATUS_FORBIDDEN), SpoolResult::Error);
    EXPECT_EQ(spoolResultOfRequest(IPP_STATUS_ERROR_INTERNAL, std::strerror(ENOMEM)), SpoolResult::OutOfMemory);
    EXPECT_EQ(spoolResultOfRequest(IPP_STATUS_ERROR_NOT_AUTHORIZED, std::strerror(ENOMEM)), SpoolResult::Error);
    EXPECT_EQ(spoolResultOfRequest(IPP_STATUS_ERROR_TEMPORARY, ""), SpoolResult::Error);
    EXPECT_FALSE(isIppSuccess(IPP_STATUS_REDIRECTION_OTHER_SITE));
    EXPECT_TRUE(isIppSuccess(IPP_STATUS_OK_CONFLICTING));
}

} // namespace
} // namespace vantolex
