// The seam between the spooler code and libcups.
//
// Every libcups call that can fail goes through the table that cupsCalls() returns, so that a test can make
// any one of them fail (see tests/spool/CupsCallsOverride.h). Production code never changes it.
#pragma once

#include <cups/cups.h>

namespace vantolex {

struct CupsCalls
{
    http_t* (*connect)(const char* host, int port, http_addrlist_t* addresses, int family, http_encryption_t encryption,
                       int blocking, int timeoutMilliseconds, int* cancel)
        = httpConnect2;
    int (*createJob)(http_t* http, const char* destination, const char* title, int optionCount, cups_option_t* options)
        = cupsCreateJob;
    http_status_t (*startDocument)(http_t* http, const char* destination, int jobId, const char* documentName,
                                   const char* format, int lastDocument)
        = cupsStartDocument;
    http_status_t (*writeRequestData)(http_t* http, const char* buffer, size_t length) = cupsWriteRequestData;
    int (*wait)(http_t* http, int milliseconds) = httpWait;
    http_status_t (*update)(http_t* http) = httpUpdate;
    ipp_status_t (*finishDocument)(http_t* http, const char* destination) = cupsFinishDocument;
    ipp_status_t (*cancelJob)(http_t* http, const char* destination, int jobId, int purge) = cupsCancelJob2;
    ipp_t* (*doRequest)(http_t* http, ipp_t* request, const char* resource) = cupsDoRequest;
    ipp_status_t (*lastError)() = cupsLastError;
    const char* (*lastErrorString)() = cupsLastErrorString;
    cups_dest_t* (*getNamedDest)(http_t* http, const char* name, const char* instance) = cupsGetNamedDest;
    cups_dinfo_t* (*copyDestInfo)(http_t* http, cups_dest_t* destination) = cupsCopyDestInfo;
    int (*getDestMediaByName)(http_t* http, cups_dest_t* destination, cups_dinfo_t* info, const char* media,
                              unsigned flags, cups_size_t* size)
        = cupsGetDestMediaByName;
    ipp_attribute_t* (*findDestDefault)(http_t* http, cups_dest_t* destination, cups_dinfo_t* info, const char* option)
        = cupsFindDestDefault;
};

// The calls in use: libcups itself unless a test has replaced some.
CupsCalls& cupsCalls() noexcept;

} // namespace vantolex
