// A printer: our PDF writer whose document goes, page by page, into a print job on the spooler.
//
// startDoc creates the job and opens its PDF document (cupsCreateJob, cupsStartDocument); the pages stream
// straight into the job as they are done (cupsWriteRequestData); endPage asks the spooler whether the user
// deleted the job meanwhile (SpoolResult::UserAbort); endDoc finishes the PDF and lets the job print
// (cupsFinishDocument); abortDoc, a failure, or the destruction of a device with an open document cancel the
// job (cupsCancelJob2), so that no half-written document prints. Device pixels are the printer's, with the
// origin at the corner of its printable area. Measuring and fonts work before startDoc. While a job is open, a
// signal that ends the program (Interruption.h) fails the next write, so that the run cancels the job on its way
// out.
#pragma once

#include <optional>
#include <utility>

#include "base/Interruption.h"
#include "layout/ByteSink.h"
#include "render/pdf/PdfDevice.h"
#include "spool/CupsAcceptance.h"
#include "spool/CupsDestination.h"
#include "spool/CupsJob.h"
#include "spool/PrinterSelection.h"

namespace vantolex {

// The print job as the sink of a printer's document: open starts the job, endPage asks whether it is still
// wanted, close finishes it, abandon cancels it.
class PrintJobSink final : public ByteSink
{
public:
    explicit PrintJobSink(PrinterSelection printer)
        : m_printer(std::move(printer))
    {
    }

    int open(std::u16string_view jobName) override;
    int write(const unsigned char* data, std::size_t size) override;
    int endPage() override;
    int close() override;
    void abandon() noexcept override;
    // A destination that is not accepting jobs, with its administrator's reason.
    std::u16string failureText() const override;

    const PrinterSelection& printer() const noexcept { return m_printer; }
    // The spooler's id of the last job started, 0 before any.
    int jobId() const noexcept { return m_job.id(); }

private:
    PrinterSelection m_printer;
    CupsJob m_job;
    std::optional<JobRefusal> m_refusal; // why the last job could not be created
    // While a job is open, an interrupting signal lets the run cancel it instead of ending the process.
    std::optional<OrderlyStop> m_orderlyStop;
};

// Holds a printer's job sink ahead of the device that writes to it, so that the sink is made first and
// destroyed last, after the device has given up its document.
struct PrintJobSinkHolder
{
    explicit PrintJobSinkHolder(PrinterSelection printer)
        : jobSink(std::move(printer))
    {
    }
    PrintJobSink jobSink;
};

// The sheet of `page` for our PDF writer, and its printable area at the corner of the printer's margins.
PdfSheet printerSheet(const PrinterPage& page);

class PrinterDevice : private PrintJobSinkHolder, public PdfDevice
{
public:
    // The device for `printer`, whose page the spooler gave as `page` (printerPage); its documents are dated
    // by `clock`, which must outlive the device.
    PrinterDevice(PrinterSelection printer, const PrinterPage& page, const Clock& clock);

    const PrinterSelection& printer() const noexcept { return jobSink.printer(); }
    // The spooler's id of the last job started, 0 before any.
    int jobId() const noexcept { return jobSink.jobId(); }
};

} // namespace vantolex
