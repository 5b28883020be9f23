#pragma once

#include <map>

namespace pendra::bench {

// CPU time and context switches (wake-ups, mostly) used so far.
struct Usage
{
    double cpuSeconds = 0;
    long contextSwitches = 0;
};

// What each thread of a process has used so far, by thread id, from Linux's
// /proc: the scheduler's own counts (nanoseconds, not clock ticks). A thread
// that ends between two readings takes its counts with it, so differences
// are taken thread by thread, never of the sums.
class ProcessActivity
{
public:
    // pid 0 reads this process.
    static ProcessActivity of(int pid);
    Usage since(const ProcessActivity& earlier) const;

private:
    std::map<int, Usage> threads;
};

} // namespace pendra::bench
