// vantolex-print ended by a signal while its job goes to a spooler that does not answer (a cupsd stopped with
// SIGSTOP): the program ends at once and the job never prints.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "e2e/EndToEndTest.h"
#include "e2e/ProgramRun.h"
#include "support/PrivateCupsd.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;
using Clock = std::chrono::steady_clock;

// Waits until process `pid` has neither read nor written anything for a quarter of a second: it waits on
// something. False when it did not come to that within `limit`.
bool waitUntilBlocked(pid_t pid, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    const std::string path = "/proc/" + std::to_string(pid) + "/io";
    std::string last;
    int unchanged = 0;
    while (Clock::now() < deadline) {
        const std::string counters = readFile(path);
        if (counters.empty())
            return false;
        unchanged = counters == last ? unchanged + 1 : 0;
        if (unchanged == 5)
            return true;
        last = counters;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

using StopSignalEndToEnd = EndToEndTest;

TEST_F(StopSignalEndToEnd, ASignalEndsAPrintOnASpoolerThatDoesNotAnswer)
{
    PrivateCupsd cupsd;
    if (const std::string why = cupsd.start(); !why.empty())
        GTEST_SKIP() << "no private spooler: " << why;
    const std::string source = write("lines.txt", numberedLines(20000));
    StartedProgram run(VANTOLEX_PRINT_PROGRAM, { "--defaults", "-e", "utf8", "-P", PrivateCupsd::capture, source },
                       folder);
    const auto listed = Clock::now() + std::chrono::seconds(30);
    while (cupsd.jobs(PrivateCupsd::capture).empty() && Clock::now() < listed)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::vector<test::SpooledJob> jobs = cupsd.jobs(PrivateCupsd::capture);
    ASSERT_EQ(jobs.size(), 1u) << "the job was not created";
    cupsd.pause();
    ASSERT_TRUE(waitUntilBlocked(run.pid(), std::chrono::seconds(30))) << "the print did not wait for the spooler";

    const auto signalled = Clock::now();
    ASSERT_EQ(::kill(run.pid(), SIGTERM), 0);
    const ProgramResult result = run.wait();
    const auto took = Clock::now() - signalled;
    cupsd.resume();

    EXPECT_EQ(result.status, 128 + SIGTERM) << result.err;
    EXPECT_LT(took, std::chrono::milliseconds(1500));
    const ipp_jstate_t state = cupsd.waitForJob(PrivateCupsd::capture, jobs[0].id, IPP_JSTATE_CANCELED);
    EXPECT_TRUE(state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED) << "job state " << state;
    EXPECT_EQ(test::readFileBytes(cupsd.capturePath(PrivateCupsd::capture)).size(), 0u) << "bytes printed";
}

} // namespace
} // namespace vantolex
