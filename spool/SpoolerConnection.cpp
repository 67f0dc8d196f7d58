#include "spool/SpoolerConnection.h"

#include <utility>

#include "base/Interruption.h"
#include "spool/CupsCalls.h"

namespace vantolex {

namespace {

constexpr int connectTimeoutMilliseconds = 30000;
// Once a signal asks the program to end: how long connecting, and each wait for the spooler, may take.
constexpr int endingConnectTimeoutMilliseconds = 500;
constexpr double endingWaitSeconds = 0.4;

// Called by libcups when a wait on the connection timed out: never wait longer.
int stopWaiting(http_t*, void*)
{
    return 0;
}

} // namespace

SpoolerConnection::SpoolerConnection(SpoolerConnection&& other) noexcept
    : m_http(std::move(other.m_http))
    , m_socket(std::exchange(other.m_socket, -1))
{
}

SpoolerConnection& SpoolerConnection::operator=(SpoolerConnection&& other) noexcept
{
    if (this != &other) {
        reset();
        m_http = std::move(other.m_http);
        m_socket = std::exchange(other.m_socket, -1);
    }
    return *this;
}

SpoolerConnection SpoolerConnection::open() noexcept
{
    const bool ending = interruptingSignal() != 0;
    SpoolerConnection connection;
    connection.m_http = HttpConnection(
        cupsCalls().connect(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                            ending ? endingConnectTimeoutMilliseconds : connectTimeoutMilliseconds, nullptr));
    if (!connection.m_http)
        return connection;
    connection.m_socket = httpGetFd(connection.m_http.get());
    registerInterruptibleSocket(connection.m_socket);
    // Checked again once registered: a signal noted in between finds the socket or is seen here.
    if (interruptingSignal() != 0)
        httpSetTimeout(connection.m_http.get(), endingWaitSeconds, stopWaiting, nullptr);
    return connection;
}

void SpoolerConnection::reset() noexcept
{
    forgetInterruptibleSocket(std::exchange(m_socket, -1));
    m_http.reset();
}

} // namespace vantolex
