// SIGINT, SIGTERM and SIGHUP as requests to end the dialog program in order (the settings saved, an output
// in progress abandoned) instead of ending the process where it stands.
//
// While an object lives, the first of these signals is handed to the event loop as terminationRequested; a
// second one ends the process at once, as if no handler were there. A signal that arrives while a print
// runs (which does not turn the event loop) is noted for the run too (noteInterruption): the run ends at its
// next step, its job cancelled or its connection to a spooler that does not answer dropped, and the request
// is handled when the run is over.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <signal.h>

#include <array>

#include "base/FileDescriptor.h"
#include "base/Interruption.h"

namespace vantolex {

class TerminationRequests : public QObject
{
    Q_OBJECT

public:
    TerminationRequests();
    ~TerminationRequests() override; // the previous handlers again

    // The first signal received, or 0.
    int receivedSignal() const;

signals:
    void terminationRequested(int signal);

private:
    struct Pipe
    {
        FileDescriptor readEnd;
        FileDescriptor writeEnd;
    };
    static Pipe makePipe();
    void readRequest();

    Pipe m_pipe; // the signal handler writes the signal's number, the event loop reads it
    QSocketNotifier m_notifier;
    std::array<struct sigaction, terminationSignals.size()> m_previous {};
};

} // namespace vantolex
