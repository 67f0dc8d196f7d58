#include "spool/CupsJob.h"

#include <cerrno>
#include <cstdio>
#include <utility>

#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "layout/Device.h"
#include "spool/CupsCalls.h"
#include "spool/CupsResult.h"
#include "spool/SpoolMessages.h"

namespace vantolex {

namespace {

constexpr std::size_t maxJobNameBytes = 255; // an IPP name(MAX) value

// `name` cut to at most maxJobNameBytes without splitting a UTF-8 sequence.
std::string jobNameWithinLimit(std::string_view name)
{
    if (name.size() <= maxJobNameBytes)
        return std::string(name);
    std::size_t end = maxJobNameBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return std::string(name.substr(0, end));
}

// What the spooler answered to a transfer that failed without an answer. A spooler that refuses a document
// (a full spool) answers and closes the connection while the document is still coming; the write that meets
// the closed connection fails with a bare HTTP_STATUS_ERROR, and the refusal waits unread on the connection,
// after what is left of an interim "100 Continue".
http_status_t refusalOfFailedTransfer(http_t* http) noexcept
{
    constexpr int responsesToRead = 3;
    for (int response = 0; response < responsesToRead && cupsCalls().wait(http, 0); ++response) {
        const http_status_t status = cupsCalls().update(http);
        if (status >= HTTP_STATUS_MULTIPLE_CHOICES)
            return status;
        if (status != HTTP_STATUS_CONTINUE)
            break;
    }
    return HTTP_STATUS_ERROR;
}

// Tells on standard error, after the program's name, that job `jobId` on `destination` is left on the spooler.
// Without the memory to word the report, the report is dropped: the destructor that calls this must not fail.
void reportNotCancelled(int jobId, const std::string& destination) noexcept
{
    try {
        const std::u16string printer = fromUtf8(destination);
        const std::string report
            = toUtf8(formatText(spoolText::jobNotCancelled, { jobId, std::u16string_view(printer) }));
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, report.c_str());
    } catch (...) {
    }
}

int lastRequestFailure() noexcept
{
    const char* message = cupsCalls().lastErrorString();
    return spoolResultOfRequest(cupsCalls().lastError(), message ? message : "");
}

} // namespace

CupsJob::CupsJob(CupsJob&& other) noexcept
    : m_http(std::move(other.m_http))
    , m_destination(std::move(other.m_destination))
    , m_jobId(std::exchange(other.m_jobId, 0))
    , m_lastJobId(std::exchange(other.m_lastJobId, 0))
{
}

CupsJob& CupsJob::operator=(CupsJob&& other) noexcept
{
    if (this != &other) {
        (void)cancel();
        m_http = std::move(other.m_http);
        m_destination = std::move(other.m_destination);
        m_jobId = std::exchange(other.m_jobId, 0);
        m_lastJobId = std::exchange(other.m_lastJobId, 0);
    }
    return *this;
}

CupsJob::~CupsJob()
{
    if (isOpen() && cancel() <= 0)
        reportNotCancelled(m_lastJobId, m_destination);
}

int CupsJob::start(const PrinterSelection& printer, std::string_view jobName)
{
    (void)cancel();
    m_destination = printer.destination;
    m_lastJobId = 0;
    m_http = SpoolerConnection::open();
    if (!m_http)
        return SpoolResult::Error;

    const std::string name = jobNameWithinLimit(jobName);
    const CupsOptionList options(printer.options);
    const int jobId
        = cupsCalls().createJob(m_http.get(), m_destination.c_str(), name.c_str(), options.count(), options.data());
    if (jobId <= 0) {
        const int failure = lastRequestFailure();
        m_http.reset();
        return failure;
    }
    m_jobId = jobId;
    m_lastJobId = jobId;

    const http_status_t status
        = cupsCalls().startDocument(m_http.get(), m_destination.c_str(), m_jobId, name.c_str(), CUPS_FORMAT_PDF, 1);
    if (status != HTTP_STATUS_CONTINUE)
        return failTransfer(status);
    return 1;
}

int CupsJob::write(std::span<const char> bytes)
{
    if (!isOpen())
        return SpoolResult::Error;
    if (bytes.empty())
        return 1;
    const http_status_t status = cupsCalls().writeRequestData(m_http.get(), bytes.data(), bytes.size());
    if (status != HTTP_STATUS_CONTINUE)
        return failTransfer(status);
    return 1;
}

int CupsJob::finish()
{
    if (!isOpen())
        return SpoolResult::Error;
    const ipp_status_t status = cupsCalls().finishDocument(m_http.get(), m_destination.c_str());
    if (!isIppSuccess(status))
        return fail(lastRequestFailure());
    m_http.reset();
    const int jobId = std::exchange(m_jobId, 0);
    return cancelledOnSpooler(jobId) ? static_cast<int>(SpoolResult::UserAbort) : 1;
}

int CupsJob::poll()
{
    if (!isOpen())
        return 1;
    if (!cancelledOnSpooler(m_jobId))
        return 1;
    (void)cancelOnSpooler();
    return SpoolResult::UserAbort;
}

int CupsJob::cancel()
{
    if (!isOpen())
        return 1;
    return cancelOnSpooler();
}

int CupsJob::failTransfer(http_status_t status) noexcept
{
    const http_status_t answer = status == HTTP_STATUS_ERROR ? refusalOfFailedTransfer(m_http.get()) : status;
    return fail(spoolResultOfTransfer(answer));
}

int CupsJob::fail(int failure) noexcept
{
    // A run that a signal is ending does not ask: its failure is the end of the job, and the spooler may not
    // answer at all.
    const int result = failure == SpoolResult::Error && interruptingSignal() == 0 && cancelledOnSpooler(m_jobId)
        ? static_cast<int>(SpoolResult::UserAbort)
        : failure;
    (void)cancelOnSpooler();
    return result;
}

int CupsJob::cancelOnSpooler() noexcept
{
    // The connection is in the middle of the document: closing it drops what was sent, and the job is
    // cancelled over a fresh connection.
    m_http.reset();
    const int jobId = std::exchange(m_jobId, 0);
    const SpoolerConnection http = SpoolerConnection::open();
    if (!http)
        return SpoolResult::Error;
    const ipp_status_t status = cupsCalls().cancelJob(http.get(), m_destination.c_str(), jobId, 0);
    // A job that is over already (cancelled by the user, aborted by the spooler) needs no cancelling.
    if (isIppSuccess(status) || status == IPP_STATUS_ERROR_NOT_POSSIBLE)
        return 1;
    return lastRequestFailure();
}

bool CupsJob::cancelledOnSpooler(int jobId) const noexcept
{
    const SpoolerConnection http = SpoolerConnection::open();
    if (!http)
        return false;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", jobId);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    if (!request)
        return false;
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    // cupsDoRequest takes the request over.
    const IppMessage response(cupsCalls().doRequest(http.get(), request, "/jobs/"));
    if (!response)
        return false;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    return state && ippGetInteger(state, 0) == IPP_JSTATE_CANCELED;
}

} // namespace vantolex
