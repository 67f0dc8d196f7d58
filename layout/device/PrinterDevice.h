// A printer: the Cairo drawing device whose PDF goes, page by page, into a print job on the spooler.
//
// startDoc creates the job and opens its PDF document (cupsCreateJob, cupsStartDocument); the PDF surface
// writes straight into the job (cupsWriteRequestData); endPage emits the page and asks the spooler whether
// the user deleted the job meanwhile (SpoolResult::UserAbort); endDoc finishes the PDF and lets the job
// print (cupsFinishDocument); abortDoc, a failure, or the destruction of a device with an open document
// cancel the job (cupsCancelJob2), so that no half-written document prints. Device pixels are the printer's,
// with the origin at the corner of its printable area. Measuring and fonts work before startDoc.
#pragma once

#include "layout/device/CairoDevice.h"
#include "layout/device/CupsDestination.h"
#include "layout/device/CupsJob.h"
#include "layout/device/PrinterSelection.h"

namespace vantolex {

class PrinterDevice : public CairoDevice
{
public:
    // The device for `printer`, whose page the spooler gave as `page` (printerPage).
    PrinterDevice(PrinterSelection printer, const PrinterPage& page);
    ~PrinterDevice() override;

    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    const PrinterSelection& printer() const noexcept { return m_printer; }
    // The spooler's id of the last job started, 0 before any.
    int jobId() const noexcept { return m_job.id(); }

protected:
    int openDocument(std::u16string_view jobName) override;
    int finishPage(cairo_surface_t* surface, int pageNumber) override;
    int closeDocument() override;
    void abandonDocument() noexcept override;
    int deliveryResult() const override { return m_writeResult; }

private:
    static cairo_status_t writeToJob(void* closure, const unsigned char* data, unsigned int length);

    PrinterSelection m_printer;
    PrinterPage m_page;
    CupsJob m_job;
    bool m_open = false; // the job takes the surface's bytes
    int m_writeResult = 1; // the first failure of a write into the job, or 1
};

} // namespace vantolex
