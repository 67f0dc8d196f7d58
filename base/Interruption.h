// Ending a run early on SIGINT, SIGTERM or SIGHUP without leaving anything half done.
//
// A program installs the handlers once at start-up (installInterruptHandlers). When one of the three signals
// arrives, the handler removes at once every temporary file that is still being written (ReplacementFile
// registers them, so the files they were to replace stay as they were) and ends the process with the exit
// status 128 + the signal number. Only while something must be ended in order first (a print job on the
// spooler holds an OrderlyStop) does the handler merely note the signal: the run then ends at its next check
// (throwIfInterrupted) with the exception Interrupted, which every clean-up on its way lets pass after doing its
// work, and the program exits with that status itself. A second signal ends the process at once.
//
// A noted signal also shuts down the sockets registered below (the connections to a spooler), so that a transfer
// blocked on a peer that does not answer ends at once instead of holding the run.
//
// Without the handlers (the unit tests) no signal is ever noted and the checks never throw.
#pragma once

#include <signal.h>

#include <array>
#include <string>

namespace vantolex {

// The signals that ask a program to end: from the terminal (SIGINT), from the system or a user (SIGTERM),
// from a closed terminal or session (SIGHUP).
inline constexpr std::array<int, 3> terminationSignals = { SIGINT, SIGTERM, SIGHUP };

// The run was ended by `signal`; the exit status is 128 + signal.
struct Interrupted
{
    int signal = 0;
};

// Handles SIGINT, SIGTERM and SIGHUP as described above. Call once, before any other thread starts.
void installInterruptHandlers();

// The signal noted while an OrderlyStop was held, or 0.
int interruptingSignal() noexcept;

// For a program whose own handler takes the signals (the dialog program): notes `signal` as the handlers above
// do while an OrderlyStop is held, so that a run in progress ends at its next check. Async-signal-safe.
void noteInterruption(int signal) noexcept;

// Throws Interrupted when a signal has been noted.
void throwIfInterrupted();

// While at least one lives, a signal is noted instead of ending the process.
class OrderlyStop
{
public:
    OrderlyStop() noexcept;
    ~OrderlyStop();
    OrderlyStop(const OrderlyStop&) = delete;
    OrderlyStop& operator=(const OrderlyStop&) = delete;
};

// Holds the three signals back in the calling thread while it lives, so that a step made of several system
// calls (putting the pages of a document in place) is done whole; a signal that arrived meanwhile is handled
// when it ends.
class SignalsDeferred
{
public:
    SignalsDeferred() noexcept;
    ~SignalsDeferred();
    SignalsDeferred(const SignalsDeferred&) = delete;
    SignalsDeferred& operator=(const SignalsDeferred&) = delete;

private:
    sigset_t m_previous;
};

// The sockets that a noted signal shuts down: registered while a transfer may block on them, forgotten before
// they are closed. A socket beyond the few that can be held is simply not shut down.
void registerInterruptibleSocket(int descriptor) noexcept;
void forgetInterruptibleSocket(int descriptor) noexcept;

// The temporary files that a signal removes: registered when created, forgotten once renamed or removed.
void registerTemporaryFile(const std::string& path);
void forgetTemporaryFile(const std::string& path) noexcept;

} // namespace vantolex
