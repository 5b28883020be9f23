#pragma once

#include "bench/CpuMeter.h"

#include <string>

namespace pendra::bench {

class BenchSocket;

// A process that answers the host: the real panel program, or
// pendra-bare-loop beside it.
struct Program
{
    int port = 0;
    int pid = 0;
};

struct ProgramOptions
{
    int hostPort = 0;
    Program panel;
    Program bare;
    // The panel's log, with its "pendra.frames" category on.
    std::string frameLog;
    // Holds the panel's process id once the panel runs.
    std::string pidFile;
    // Where a run leaves its CPU shares, for the floor the window adds to.
    std::string figuresFile;
    // Wine's server, whose work is counted with whichever program is measured.
    int serverPid = 0;
};

// The real panel program, already running and set to talk to the host's
// port on 127.0.0.1, measured from outside as a host sees it, beside the
// bare loop and the bare window that make its floor.
class ProgramBench
{
public:
    explicit ProgramBench(ProgramOptions given);

    // Steady rates, bursts, a host that answers every greeting, and the idle
    // program.
    void run();
    // What pendra-bare-window costs, and with the run's figures the floor:
    // the bare loop and the bare window together.
    void measureWindow(int windowPid);
    // Announces version 2 and waits for the panel's greeting, so that the
    // panel acknowledges every position from then on. False without one.
    bool announce();
    // count positions at rate a second, acknowledged or not.
    void stream(int count, int rate);
    // How long after a version message its greeting comes, count times over:
    // with a pause after each greeting, and sent as each greeting comes, when
    // the greeting's pace decides. False when a version went unanswered.
    bool greetingGaps(int count);

private:
    void answerEveryGreeting(BenchSocket& host, std::chrono::seconds span);

    ProgramOptions options;
    CpuMeter meter;
};

} // namespace pendra::bench
