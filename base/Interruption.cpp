#include "base/Interruption.h"

#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <vector>

namespace vantolex {

namespace {

volatile std::sig_atomic_t g_signal = 0;
std::atomic<int> g_orderlyStops { 0 };

// The registered temporary files. Changed only with the signals held back in the changing thread and under
// the spin lock, so that a handler running in any thread finds the list whole.
std::vector<std::string> g_temporaryFiles;
std::atomic_flag g_temporaryFilesLock = ATOMIC_FLAG_INIT;

static_assert(std::atomic<int>::is_always_lock_free);

// The registered sockets, -1 in a free slot: lock-free, so that a handler may read them at any moment.
constexpr std::size_t socketSlots = 8;
std::array<std::atomic<int>, socketSlots> g_sockets { -1, -1, -1, -1, -1, -1, -1, -1 };
static_assert(socketSlots == 8, "every slot must start free: one -1 for each");

void shutDownSockets() noexcept
{
    for (const std::atomic<int>& slot : g_sockets) {
        const int descriptor = slot.load();
        if (descriptor >= 0)
            ::shutdown(descriptor, SHUT_RDWR);
    }
}

class TemporaryFilesLock
{
public:
    TemporaryFilesLock() noexcept
    {
        while (g_temporaryFilesLock.test_and_set(std::memory_order_acquire)) { }
    }
    ~TemporaryFilesLock() { g_temporaryFilesLock.clear(std::memory_order_release); }
    TemporaryFilesLock(const TemporaryFilesLock&) = delete;
    TemporaryFilesLock& operator=(const TemporaryFilesLock&) = delete;
};

sigset_t handledSignalSet() noexcept
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : terminationSignals)
        sigaddset(&set, signal);
    return set;
}

// Only async-signal-safe calls from here on.
void onSignal(int signal)
{
    const int savedErrno = errno;
    {
        const TemporaryFilesLock lock;
        for (const std::string& path : g_temporaryFiles)
            ::unlink(path.c_str());
    }
    if (g_signal != 0 || g_orderlyStops.load() == 0)
        ::_exit(128 + signal);
    g_signal = signal;
    shutDownSockets();
    errno = savedErrno;
}

} // namespace

void installInterruptHandlers()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    action.sa_mask = handledSignalSet(); // one handler at a time
    action.sa_flags = SA_RESTART;
    for (const int signal : terminationSignals)
        ::sigaction(signal, &action, nullptr);
}

int interruptingSignal() noexcept
{
    return g_signal;
}

void noteInterruption(int signal) noexcept
{
    const int savedErrno = errno;
    if (g_signal == 0)
        g_signal = signal;
    shutDownSockets();
    errno = savedErrno;
}

void throwIfInterrupted()
{
    if (const int signal = g_signal)
        throw Interrupted { signal };
}

OrderlyStop::OrderlyStop() noexcept
{
    ++g_orderlyStops;
}

OrderlyStop::~OrderlyStop()
{
    --g_orderlyStops;
}

SignalsDeferred::SignalsDeferred() noexcept
{
    const sigset_t set = handledSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

SignalsDeferred::~SignalsDeferred()
{
    ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

void registerInterruptibleSocket(int descriptor) noexcept
{
    if (descriptor < 0)
        return;
    for (std::atomic<int>& slot : g_sockets) {
        int free = -1;
        if (slot.compare_exchange_strong(free, descriptor))
            return;
    }
}

void forgetInterruptibleSocket(int descriptor) noexcept
{
    if (descriptor < 0)
        return;
    for (std::atomic<int>& slot : g_sockets) {
        int registered = descriptor;
        if (slot.compare_exchange_strong(registered, -1))
            return;
    }
}

void registerTemporaryFile(const std::string& path)
{
    const SignalsDeferred deferred;
    const TemporaryFilesLock lock;
    g_temporaryFiles.push_back(path);
}

void forgetTemporaryFile(const std::string& path) noexcept
{
    const SignalsDeferred deferred;
    const TemporaryFilesLock lock;
    const auto found = std::find(g_temporaryFiles.begin(), g_temporaryFiles.end(), path);
    if (found != g_temporaryFiles.end())
        g_temporaryFiles.erase(found);
}

} // namespace vantolex
