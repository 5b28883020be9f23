#pragma once

#include "bench/ProcessActivity.h"

#include <chrono>

namespace pendra::bench {

// A process's CPU share in % of one core, and the part of it that was a
// server's work.
struct Share
{
    double total = 0;
    double server = 0;
};

// The CPU share of a process while a job runs, against the wall time the job
// took. Under wine a program's system calls are requests to wine's server, a
// process of its own that works on them: given the server's id, its share in
// the same time is counted as the measured program's, whichever that is.
class CpuMeter
{
public:
    // serverPid 0: no server to count.
    explicit CpuMeter(int server = 0) : serverPid(server) {}

    bool countsServer() const { return serverPid > 0; }

    template <typename Job> Share shareWhile(int pid, Job&& job) const
    {
        const Reading before = read(pid);
        const auto started = std::chrono::steady_clock::now();
        job();
        return shareSince(pid, before, started).share;
    }

    // What a process costs left alone for span: CPU share and wake-ups a
    // second. pid 0 is this process.
    void printIdle(const char* what, int pid, std::chrono::seconds span) const;

private:
    struct Reading
    {
        ProcessActivity process;
        ProcessActivity server;
    };
    struct Measure
    {
        Share share;
        double seconds = 0;
        long wakeUps = 0;
        long serverWakeUps = 0;
    };

    Reading read(int pid) const;
    Measure shareSince(int pid, const Reading& before,
                       std::chrono::steady_clock::time_point started) const;

    int serverPid;
};

} // namespace pendra::bench
