#include "spool/CupsResult.h"

#include <cerrno>
#include <cstring>

#include "layout/Device.h"

namespace vantolex {

int spoolResultOfRequest(ipp_status_t status, std::string_view message) noexcept
{
    switch (status) {
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED: // the user dismissed the password prompt
        return SpoolResult::UserAbort;
    case IPP_STATUS_ERROR_REQUEST_ENTITY:
    case IPP_STATUS_ERROR_REQUEST_VALUE: // what libcups makes of HTTP 413, which cupsd sends when the spool is full
        return SpoolResult::OutOfDisk;
    case IPP_STATUS_ERROR_INTERNAL:
        // libcups reports a failed allocation as an internal error carrying the text of ENOMEM.
        return message == std::strerror(ENOMEM) ? SpoolResult::OutOfMemory : SpoolResult::Error;
    default:
        return SpoolResult::Error;
    }
}

int spoolResultOfTransfer(http_status_t status) noexcept
{
    switch (status) {
    case HTTP_STATUS_REQUEST_TOO_LARGE: // cupsd could not write the spool file, or it passed MaxRequestSize
        return SpoolResult::OutOfDisk;
    case HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED:
        return SpoolResult::UserAbort;
    default:
        return SpoolResult::Error;
    }
}

} // namespace vantolex
