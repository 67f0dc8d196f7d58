#include "spool/SpoolerConnection.h"

#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "base/Interruption.h"
#include "spool/CupsCalls.h"

namespace vantolex {

namespace {

constexpr int connectTimeoutMilliseconds = 30000;
// Once a signal asks the program to end: how long connecting, and then the whole exchange, may take.
constexpr int endingConnectTimeoutMilliseconds = 500;
constexpr std::chrono::milliseconds endingExchangeTime(500);

} // namespace

// Shuts a socket down when its time is over, unless it is ended first. libcups has waits of its own (a second
// for an answer to "Expect: 100-continue") that no timeout of the connection shortens.
class SpoolerConnection::Deadline
{
public:
    Deadline(int socket, std::chrono::milliseconds time)
        : m_thread([this, socket, time] {
            std::unique_lock lock(m_mutex);
            if (!m_ended.wait_for(lock, time, [this] { return m_over; }))
                ::shutdown(socket, SHUT_RDWR);
        })
    {
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;
    ~Deadline()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_over = true;
        }
        m_ended.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_over = false;
    std::thread m_thread; // last: starts once the rest is made
};

SpoolerConnection::SpoolerConnection() noexcept = default;

SpoolerConnection::SpoolerConnection(SpoolerConnection&& other) noexcept
    : m_http(std::move(other.m_http))
    , m_socket(std::exchange(other.m_socket, -1))
    , m_deadline(std::move(other.m_deadline))
{
}

SpoolerConnection& SpoolerConnection::operator=(SpoolerConnection&& other) noexcept
{
    if (this != &other) {
        reset();
        m_http = std::move(other.m_http);
        m_socket = std::exchange(other.m_socket, -1);
        m_deadline = std::move(other.m_deadline);
    }
    return *this;
}

SpoolerConnection::~SpoolerConnection()
{
    reset();
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
    // Checked again once registered: a signal noted in between either found the socket or is seen here.
    if (interruptingSignal() != 0 && connection.m_socket >= 0) {
        try {
            connection.m_deadline = std::make_unique<Deadline>(connection.m_socket, endingExchangeTime);
        } catch (...) {
            // No thread to watch the time: the connection is not worth the wait.
            ::shutdown(connection.m_socket, SHUT_RDWR);
        }
    }
    return connection;
}

void SpoolerConnection::reset() noexcept
{
    m_deadline.reset(); // before the socket is closed and its number given to another file
    forgetInterruptibleSocket(std::exchange(m_socket, -1));
    m_http.reset();
}

} // namespace vantolex
