#include "spool/CupsAcceptance.h"

#include "spool/CupsCalls.h"
#include "spool/CupsHandles.h"

namespace vantolex {

namespace {

constexpr int connectTimeoutMilliseconds = 30000;

} // namespace

std::optional<JobRefusal> jobRefusalOf(const std::string& destination) noexcept
{
    try {
        const HttpConnection http(cupsCalls().connect(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                                      connectTimeoutMilliseconds, nullptr));
        if (!http)
            return std::nullopt;
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                         destination.c_str());
        ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        if (!request)
            return std::nullopt;
        static const char* const wanted[] = { "printer-is-accepting-jobs", "printer-state-message" };
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
        // cupsDoRequest takes the request over.
        const IppMessage response(cupsCalls().doRequest(http.get(), request, "/"));
        if (!response)
            return std::nullopt;
        ipp_attribute_t* accepting = ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        if (!accepting || ippGetBoolean(accepting, 0))
            return std::nullopt;
        JobRefusal refusal;
        if (ipp_attribute_t* message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT)) {
            if (const char* text = ippGetString(message, 0, nullptr))
                refusal.reason = text;
        }
        return refusal;
    } catch (...) {
        return std::nullopt; // no memory for the question: the plain failure is reported instead
    }
}

} // namespace vantolex
