// A private print spooler for tests: a cupsd of our own, with its own configuration, spool and log
// directories under a temporary folder and its own port on the loopback interface, and a few printers that
// capture what they print in files. The client side of this process is pointed at it (cupsSetServer, and
// CUPS_SERVER for the programs the tests start).
#pragma once

#include <cups/cups.h>

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace vantolex::test {

// One job as the spooler lists it.
struct SpooledJob
{
    int id = 0;
    std::string title;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
};

class PrivateCupsd
{
public:
    // The printers of the private spooler. Each prints into its own capture file, byte for byte what it got.
    static constexpr const char* capture = "capture"; // default destination: A4, 600 dpi, 5 mm margins
    static constexpr const char* rejecting = "rejecting"; // does not accept jobs, for rejectionReason
    static constexpr const char* rejectionReason = "トナー交換中";
    static constexpr const char* stopped = "stopped"; // accepts jobs but holds them
    static constexpr const char* letter = "letter"; // Letter, 300 dpi, margins 0.25/0.5/0.75/1 inch
    static constexpr const char* plain = "plain"; // A5, no resolution given, no margins
    // Letter, A4 (the default, 10 mm margins) and JIS B5 (5 mm margins), two-sided, 600 dpi
    static constexpr const char* office = "office";
    static constexpr const char* jis = "jis"; // JIS B5 listed first, JIS B4 the default, 5 mm margins, 600 dpi

    // Takes PDF as it is, with no filter before the capture file: what the last filter writes lands there as
    // it is written (a FIFO in its place holds that filter at its first full pipe).
    static constexpr const char* direct = "direct"; // A4, 600 dpi, 5 mm margins
    // Takes PDF after CUPS's pdftopdf, as a printer with a driver does.
    static constexpr const char* driven = "driven"; // A4 (default) or A5, 600 dpi, 5 mm margins

    // What a spooler runs beyond the system's own: filters of ours beside the system's (a private ServerBin
    // whose folders link the system's), conversion rules (.convs) in the private ServerRoot, and variables the
    // spooler sets for its filters (SetEnv).
    struct Additions
    {
        std::vector<std::filesystem::path> filters;
        std::vector<std::filesystem::path> conversionRules;
        std::vector<std::pair<std::string, std::string>> environment;
    };

    PrivateCupsd() = default;
    explicit PrivateCupsd(Additions additions)
        : m_additions(std::move(additions))
    {
    }
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;
    ~PrivateCupsd();

    // Starts the spooler; returns an empty string on success, otherwise why it could not start.
    std::string start();
    void stop() noexcept;
    // Stops the daemon where it stands (SIGSTOP): connections are still accepted, nothing is answered; until
    // resume() (SIGCONT).
    void pause() noexcept;
    void resume() noexcept;

    std::string server() const; // host:port
    std::filesystem::path capturePath(const std::string& printer) const;
    std::string errorLog() const;

    // The jobs of `printer` in every state, as the spooler lists them.
    std::vector<SpooledJob> jobs(const std::string& printer) const;
    // Waits up to a few seconds for job `jobId` to reach a state >= `state`; returns the state reached.
    ipp_jstate_t waitForJob(const std::string& printer, int jobId, ipp_jstate_t state) const;

private:
    // One start of cupsd on a port of its own; `clash` when another program took the port first.
    struct Listening
    {
        bool started = false;
        bool clash = false;
        std::string failure;
    };
    Listening listen();
    void stopDaemon() noexcept;

    // The private ServerBin with the added filters; empty when nothing is added.
    std::string makeServerBin();
    // The SetEnv lines of the added variables.
    std::string environmentOfFilters() const;

    Additions m_additions;
    std::filesystem::path m_root;
    int m_port = 0;
    pid_t m_pid = -1;
};

// The bytes of a file, empty when it does not exist.
std::string readFileBytes(const std::filesystem::path& path);

// Runs a shell command and returns its standard output.
std::string commandOutput(const std::string& command);

} // namespace vantolex::test
