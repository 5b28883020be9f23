#include "bench/CpuMeter.h"

#include <cstdio>
#include <thread>

namespace pendra::bench {

CpuMeter::Reading CpuMeter::read(int pid) const
{
    return {ProcessActivity::of(pid),
            countsServer() ? ProcessActivity::of(serverPid) : ProcessActivity{}};
}

CpuMeter::Measure CpuMeter::shareSince(int pid, const Reading& before,
                                       std::chrono::steady_clock::time_point started) const
{
    const Reading after = read(pid);
    Measure measure;
    measure.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const Usage process = after.process.since(before.process);
    const Usage server = after.server.since(before.server);
    measure.share.server = 100.0 * server.cpuSeconds / measure.seconds;
    measure.share.total = 100.0 * process.cpuSeconds / measure.seconds + measure.share.server;
    measure.wakeUps = process.contextSwitches;
    measure.serverWakeUps = server.contextSwitches;
    return measure;
}

void CpuMeter::printIdle(const char* what, int pid, std::chrono::seconds span) const
{
    const Reading before = read(pid);
    const auto started = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(span);
    const Measure measure = shareSince(pid, before, started);
    const double seconds = static_cast<double>(span.count());
    // The bench's own main thread wakes once from its sleep; that is not the panel.
    const long ownWakeUps = pid == 0 ? 1 : 0;
    std::printf("%-18s %.4f %% of one core, %.1f wake-ups/s over %lld s\n", what,
                measure.share.total, static_cast<double>(measure.wakeUps - ownWakeUps) / seconds,
                static_cast<long long>(span.count()));
    if (countsServer())
        std::printf("%-18s of which the wine server %.4f %%, waking %.1f times a second\n", "",
                    measure.share.server, static_cast<double>(measure.serverWakeUps) / seconds);
}

} // namespace pendra::bench
