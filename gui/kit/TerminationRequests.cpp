#include "gui/kit/TerminationRequests.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vantolex {

namespace {

volatile sig_atomic_t writeEnd = -1;
volatile sig_atomic_t firstSignal = 0;

extern "C" void onTerminationSignal(int signal)
{
    if (firstSignal != 0) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    firstSignal = signal;
    noteInterruption(signal); // a print in progress ends at its next step
    const int savedError = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedError;
}

} // namespace

TerminationRequests::Pipe TerminationRequests::makePipe()
{
    int ends[2] = { -1, -1 };
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe2");
    return { FileDescriptor(ends[0]), FileDescriptor(ends[1]) };
}

TerminationRequests::TerminationRequests()
    : m_pipe(makePipe())
    , m_notifier(m_pipe.readEnd.get(), QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &TerminationRequests::readRequest);

    firstSignal = 0;
    writeEnd = m_pipe.writeEnd.get();
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < terminationSignals.size(); ++i)
        sigaction(terminationSignals[i], &action, &m_previous[i]);
}

TerminationRequests::~TerminationRequests()
{
    for (std::size_t i = 0; i < terminationSignals.size(); ++i)
        sigaction(terminationSignals[i], &m_previous[i], nullptr);
    writeEnd = -1;
}

int TerminationRequests::receivedSignal() const
{
    return firstSignal;
}

void TerminationRequests::readRequest()
{
    unsigned char byte = 0;
    if (::read(m_pipe.readEnd.get(), &byte, 1) == 1)
        emit terminationRequested(byte);
}

} // namespace vantolex
