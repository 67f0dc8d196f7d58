// One print job on the spooler, holding one PDF document that is written to it piece by piece.
//
// A CupsJob is move-only and owns its job: a job that was started and neither finished nor cancelled is
// cancelled by the destructor, which reports a failure of that cancellation on standard error and never
// throws. Every operation returns a SpoolResult value <= 0 on failure and 1 on success; after a failure the
// job has been cancelled already (nothing half-written is left to print) and the object holds no job.
// A job that the user deletes on the spooler while it is being written fails with UserAbort at the next
// poll() or at finish() (the spooler itself goes on accepting the document of a cancelled job). A signal that
// ends the program breaks off the connections of the job (SpoolerConnection): the job is then cancelled, or,
// when the spooler does not answer within a moment, given up with its dropped connection.
#pragma once

#include <span>
#include <string>

#include "spool/CupsHandles.h"
#include "spool/PrinterSelection.h"
#include "spool/SpoolerConnection.h"

namespace vantolex {

class CupsJob
{
public:
    CupsJob() noexcept = default;
    CupsJob(CupsJob&& other) noexcept;
    CupsJob& operator=(CupsJob&& other) noexcept;
    CupsJob(const CupsJob&) = delete;
    CupsJob& operator=(const CupsJob&) = delete;
    ~CupsJob();

    // Creates a job named `jobName` (UTF-8; cut at a character boundary to the 255 bytes a job name may
    // have) on `printer` with its options, and opens its document of type application/pdf. A job this
    // object held is cancelled first.
    [[nodiscard]] int start(const PrinterSelection& printer, std::string_view jobName);

    // Appends `bytes` to the document.
    [[nodiscard]] int write(std::span<const char> bytes);

    // Closes the document; the job then prints.
    [[nodiscard]] int finish();

    // Drops the document and cancels the job. Without an open job there is nothing to do: success.
    [[nodiscard]] int cancel();

    // Asks the spooler whether the open job is still wanted: UserAbort, with the job dropped, when it was
    // cancelled there meanwhile (the user deleted it); 1 otherwise, also when the spooler cannot tell.
    [[nodiscard]] int poll();

    // True between a successful start and finish, cancel or a failure.
    bool isOpen() const noexcept { return m_jobId > 0; }

    // The spooler's id of the open job, or of the last job this object finished; 0 before any.
    int id() const noexcept { return m_lastJobId; }

    const std::string& destination() const noexcept { return m_destination; }

private:
    // Cancels the open job after `failure`, returning the result to report: UserAbort when the job was
    // cancelled on the spooler meanwhile (the user deleted it), otherwise `failure`.
    int fail(int failure) noexcept;
    // fail() for a transfer of the document that ended with `status`, or with the refusal the spooler sent
    // before it dropped the connection.
    int failTransfer(http_status_t status) noexcept;
    // Drops the connection with its unfinished document and cancels the job over a new connection.
    int cancelOnSpooler() noexcept;
    // True when the spooler reports job `jobId` as cancelled.
    bool cancelledOnSpooler(int jobId) const noexcept;

    SpoolerConnection m_http; // the connection carrying the document while the job is open
    std::string m_destination; // the job's destination
    int m_jobId = 0; // the open job, 0 when none
    int m_lastJobId = 0; // the open job or the last one, for id()
};

} // namespace vantolex
