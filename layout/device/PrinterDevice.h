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

#include "base/Interruption.h"
#include "layout/device/ByteSink.h"
#include "layout/device/CupsAcceptance.h"
#include "layout/device/CupsDestination.h"
#include "layout/device/CupsJob.h"
#include "layout/device/PdfDevice.h"
#include "layout/device/PrinterSelection.h"

namespace vantolex {

class PrinterDevice : public PdfDevice
{
public:
    // The device for `printer`, whose page the spooler gave as `page` (printerPage).
    PrinterDevice(PrinterSelection printer, const PrinterPage& page);
    ~PrinterDevice() override;

    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    const PrinterSelection& printer() const noexcept { return m_jobSink.printer; }
    // The spooler's id of the last job started, 0 before any.
    int jobId() const noexcept { return m_jobSink.job.id(); }

private:
    // The print job as the document's sink: open starts it, endPage asks whether it is still wanted, close
    // finishes it, abandon cancels it.
    struct JobSink final : ByteSink
    {
        int open(std::u16string_view jobName) override;
        int write(const unsigned char* data, std::size_t size) override;
        int endPage() override;
        int close() override;
        void abandon() noexcept override;
        // A destination that is not accepting jobs, with its administrator's reason.
        std::u16string failureText() const override;

        PrinterSelection printer;
        CupsJob job;
        std::optional<JobRefusal> refusal; // why the last job could not be created
        // While a job is open, an interrupting signal lets the run cancel it instead of ending the process.
        std::optional<OrderlyStop> orderlyStop;
    };

    // Constructed after the base, which only keeps a reference to it until startDoc.
    JobSink m_jobSink;
};

} // namespace vantolex
