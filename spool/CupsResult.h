// How the spooler's failures become the results of the job operations (SpoolResult).
#pragma once

#include <cups/cups.h>

#include <string_view>

namespace vantolex {

// The result for a failed IPP request (create the job, finish the document). `message` is the text libcups
// gives with the status (cupsLastErrorString).
int spoolResultOfRequest(ipp_status_t status, std::string_view message) noexcept;

// The result for a failed transfer of the document (start it, write to it).
int spoolResultOfTransfer(http_status_t status) noexcept;

// True when an IPP status is a success.
inline bool isIppSuccess(ipp_status_t status) noexcept
{
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

} // namespace vantolex
