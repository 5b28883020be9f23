#include "bench/Drive.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace pendra::bench {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

Run drive(BenchSocket& host, int panelPort, int rate, std::size_t count)
{
    host.drain();
    std::vector<Clock::time_point> sentAt(count);
    std::atomic<std::size_t> sent{0};
    Run run;
    std::thread receiver([&] {
        char buffer[256];
        auto quietSince = Clock::now();
        while (run.acknowledged < count) {
            if (host.receive(buffer, sizeof buffer, 50ms) < 0) {
                if (sent == count && Clock::now() - quietSince > 2s)
                    break;
                continue;
            }
            const auto now = Clock::now();
            quietSince = now;
            const std::size_t k = run.acknowledged++;
            if (k < sent)
                run.latencies.add(now - sentAt[k]);
        }
    });
    const auto start = Clock::now();
    for (std::size_t i = 0; i < count; ++i) {
        if (rate > 0)
            std::this_thread::sleep_until(
                start +
                std::chrono::nanoseconds(1'000'000'000LL * static_cast<long long>(i) / rate));
        const std::string message = "QVL_IP_COORD:" + std::to_string(i) + ".125,2,3,4,5,6";
        sentAt[i] = Clock::now();
        host.sendTo(panelPort, message);
        sent = i + 1;
    }
    receiver.join();
    run.sent = count;
    return run;
}

} // namespace pendra::bench
