// A connection to the spooler that a signal ending the program breaks off (Interruption.h).
//
// While it lives its socket is registered with the interruption handlers, which shut it down when a signal
// arrives: a transfer blocked on a spooler that does not answer (a stopped or hung cupsd) then fails at once,
// and the run goes on to its clean-up. A connection opened after a signal has been noted, to cancel the job on
// the way out, is shut down after half a second whatever libcups is waiting for, so that a spooler that does
// not answer cannot hold the end of the program either; the job it leaves is then given up with its
// connection.
#pragma once

#include <memory>

#include "spool/CupsHandles.h"

namespace vantolex {

class SpoolerConnection
{
public:
    SpoolerConnection() noexcept;
    SpoolerConnection(SpoolerConnection&& other) noexcept;
    SpoolerConnection& operator=(SpoolerConnection&& other) noexcept;
    SpoolerConnection(const SpoolerConnection&) = delete;
    SpoolerConnection& operator=(const SpoolerConnection&) = delete;
    ~SpoolerConnection();

    // Connects to the spooler (cupsServer, ippPort); an empty object when that fails.
    static SpoolerConnection open() noexcept;

    http_t* get() const noexcept { return m_http.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(m_http); }

    // Closes the connection; a document being sent on it is dropped by the spooler.
    void reset() noexcept;

private:
    class Deadline;

    HttpConnection m_http;
    int m_socket = -1; // the socket registered for shutting down
    std::unique_ptr<Deadline> m_deadline; // for a connection opened while the program is ending
};

} // namespace vantolex
