#include "bench/ProgramBench.h"

#include "bench/BenchSocket.h"
#include "bench/Drive.h"
#include "bench/Latencies.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace pendra::bench {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// How many lines of a log name a readout frame: the panel writes one for each
// update of its window when its "pendra.frames" category is on.
long framesLogged(const std::string& log)
{
    std::ifstream in(log);
    long frames = 0;
    std::string line;
    while (std::getline(in, line))
        frames += line.find("readout frame") != std::string::npos;
    return frames;
}

// The number a file holds once it holds one: the panel's process id, written
// by the script that starts the panel after the host's port is bound.
int waitForNumber(const std::string& file)
{
    for (int tries = 0; tries < 600; ++tries) {
        std::ifstream in(file);
        int number = 0;
        if (in >> number && number > 0)
            return number;
        std::this_thread::sleep_for(100ms);
    }
    return 0;
}

// One steady rate's CPU shares, as the run leaves them for the floor.
struct RateFigures
{
    int rate = 0;
    double panel = 0;
    double bare = 0;
};

std::vector<RateFigures> readFigures(const std::string& file)
{
    std::vector<RateFigures> figures;
    std::ifstream in(file);
    RateFigures line;
    while (in >> line.rate >> line.panel >> line.bare)
        figures.push_back(line);
    return figures;
}

// The machine's load over the last 1, 5 and 15 minutes, as the system has it.
std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// Sends a version, then after each greeting waits the pause and sends the
// next one; the delays from each version to the greeting that follows it.
// Anything else the panel sends is passed over.
std::optional<Latencies> versionToGreeting(BenchSocket& host, int panelPort, int count,
                                           std::chrono::milliseconds pause)
{
    host.drain();
    Latencies gaps;
    char buffer[256];
    for (int i = 0; i < count; ++i) {
        const auto sent = Clock::now();
        host.sendTo(panelPort, "Version:2");
        for (;;) {
            const int received = host.receive(buffer, sizeof buffer, 2s);
            if (received < 0)
                return std::nullopt;
            if (std::string_view(buffer, static_cast<std::size_t>(received))
                    .starts_with("QVL_PENDRA_8"))
                break;
        }
        gaps.add(Clock::now() - sent);
        std::this_thread::sleep_for(pause);
    }
    return gaps;
}

} // namespace

ProgramBench::ProgramBench(ProgramOptions given)
    : options(std::move(given)), meter(options.serverPid)
{
}

void ProgramBench::run()
{
    Program& panel = options.panel;
    const Program& bare = options.bare;
    BenchSocket host(options.hostPort);
    // The host is up before the panel starts, as at a station.
    if (!options.pidFile.empty())
        panel.pid = waitForNumber(options.pidFile);
    std::printf("pendra-bench: host on 127.0.0.1:%d, the panel program on 127.0.0.1:%d",
                options.hostPort, panel.port);
    if (bare.port > 0)
        std::printf(", the bare loop on 127.0.0.1:%d", bare.port);
    std::printf("\n");
    if (meter.countsServer())
        std::printf("pendra-bench: the wine server's CPU time is counted with the program "
                    "measured at the time\n");
    // The panel greets on start; announce version 2 so that it acknowledges.
    host.sendTo(panel.port, "Version:2");
    char buffer[64];
    host.receive(buffer, sizeof buffer, 5s);
    host.drain();

    std::ofstream figures;
    if (!options.figuresFile.empty())
        figures.open(options.figuresFile);
    std::printf("\nhost message -> acknowledgement, steady rate for 3 s; CPU in %% of one core; "
                "latencies in microseconds\n");
    for (int rate : {100, 1000, 5000}) {
        const std::size_t count = static_cast<std::size_t>(rate) * 3;
        const long framesBefore = framesLogged(options.frameLog);
        Run panelRun;
        const auto started = Clock::now();
        const Share panelCpu =
            meter.shareWhile(panel.pid, [&] { panelRun = drive(host, panel.port, rate, count); });
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        const double updates =
            static_cast<double>(framesLogged(options.frameLog) - framesBefore) / seconds;
        std::printf(
            "%5d/s  panel %5zu/%-5zu acknowledged  CPU %6.2f %%  %6.1f window updates/s  %s\n",
            rate, panelRun.acknowledged, panelRun.sent, panelCpu.total, updates,
            panelRun.latencies.summary().c_str());
        if (bare.port <= 0)
            continue;
        Run bareRun;
        const Share bareCpu =
            meter.shareWhile(bare.pid, [&] { bareRun = drive(host, bare.port, rate, count); });
        std::printf("%7s bare  %5zu/%-5zu acknowledged  CPU %6.2f %%                         %s\n",
                    "", bareRun.acknowledged, bareRun.sent, bareCpu.total,
                    bareRun.latencies.summary().c_str());
        std::printf("%7s ratio panel/bare  CPU %.1fx  p50 %.1fx  p99 %.1fx\n", "",
                    bareCpu.total > 0 ? panelCpu.total / bareCpu.total : 0.0,
                    panelRun.latencies.ratio(bareRun.latencies, 50),
                    panelRun.latencies.ratio(bareRun.latencies, 99));
        if (meter.countsServer())
            std::printf("%7s of which the wine server: panel %.2f %%, bare %.2f %%\n", "",
                        panelCpu.server, bareCpu.server);
        if (figures.is_open())
            figures << rate << ' ' << panelCpu.total << ' ' << bareCpu.total << '\n';
    }
    figures.close();
    std::printf("\n");
    for (std::size_t count : {150u, 1000u}) {
        const Run burst = drive(host, panel.port, 0, count);
        std::printf("burst of %-6zu   %5zu/%-5zu acknowledged  %s\n", count, burst.acknowledged,
                    burst.sent, burst.latencies.summary().c_str());
    }
    std::printf("\n");
    answerEveryGreeting(host, 5s);
    std::this_thread::sleep_for(1s);
    meter.printIdle("idle program", panel.pid, 5s);
}

// A host that answers every greeting with its version, as some hosts do, for
// the given time: greetings a second and the panel's CPU share.
void ProgramBench::answerEveryGreeting(BenchSocket& host, std::chrono::seconds span)
{
    const int panelPort = options.panel.port;
    host.drain();
    long greetings = 0;
    const Share cpu = meter.shareWhile(options.panel.pid, [&] {
        host.sendTo(panelPort, "Version:2");
        const auto end = Clock::now() + span;
        char buffer[256];
        while (Clock::now() < end) {
            const int received = host.receive(buffer, sizeof buffer, 50ms);
            if (received <= 0)
                continue;
            if (std::string_view(buffer, static_cast<std::size_t>(received))
                    .starts_with("QVL_PENDRA_8")) {
                ++greetings;
                host.sendTo(panelPort, "Version:2");
            }
        }
    });
    std::printf(
        "answering each greeting with a version, %lld s: %.1f greetings/s, panel %.2f %% of "
        "one core",
        static_cast<long long>(span.count()),
        static_cast<double>(greetings) / static_cast<double>(span.count()), cpu.total);
    if (meter.countsServer())
        std::printf(" (the wine server %.2f %% of it)", cpu.server);
    std::printf("\n");
    host.drain();
}

void ProgramBench::measureWindow(int windowPid)
{
    const Share window = meter.shareWhile(windowPid, [] { std::this_thread::sleep_for(5s); });
    std::printf("bare window, a new number every frame, 5 s: %.2f %% of one core", window.total);
    if (meter.countsServer())
        std::printf(" (the wine server %.2f %% of it)", window.server);
    std::printf("\n");
    if (options.figuresFile.empty())
        return;
    const std::vector<RateFigures> figures = readFigures(options.figuresFile);
    if (figures.empty())
        return;
    // The least a panel can cost: the bare loop's share at the rate, and a
    // window that changes at the display's pace.
    std::printf("\nthe floor: bare loop + bare window; CPU in %% of one core\n");
    for (const RateFigures& line : figures) {
        const double floor = line.bare + window.total;
        std::printf("%5d/s  panel %6.2f %%  floor %6.2f %% (bare loop %6.2f %% + window %.2f %%)  "
                    "ratio panel/floor %.1fx\n",
                    line.rate, line.panel, floor, line.bare, window.total,
                    floor > 0 ? line.panel / floor : 0.0);
    }
}

bool ProgramBench::announce()
{
    BenchSocket host(options.hostPort);
    if (!options.pidFile.empty())
        waitForNumber(options.pidFile);
    char buffer[64];
    for (int tries = 0; tries < 10; ++tries) {
        host.sendTo(options.panel.port, "Version:2");
        const auto end = Clock::now() + 1s;
        while (Clock::now() < end) {
            const int received = host.receive(buffer, sizeof buffer, 100ms);
            if (received > 0 && std::string_view(buffer, static_cast<std::size_t>(received))
                                    .starts_with("QVL_PENDRA_8")) {
                host.drain();
                std::printf("pendra-bench: version 2 announced, the panel greeted back\n");
                return true;
            }
        }
    }
    std::printf("pendra-bench: the panel did not greet back within 10 s\n");
    return false;
}

void ProgramBench::stream(int count, int rate)
{
    BenchSocket host(options.hostPort);
    const auto started = Clock::now();
    const Run run = drive(host, options.panel.port, rate, static_cast<std::size_t>(count));
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("pendra-bench: %zu/%zu positions acknowledged at %d/s over %.2f s  %s\n",
                run.acknowledged, run.sent, rate, seconds, run.latencies.summary().c_str());
}

bool ProgramBench::greetingGaps(int count)
{
    BenchSocket host(options.hostPort);
    if (!options.pidFile.empty())
        options.panel.pid = waitForNumber(options.pidFile);
    // The panel is up once it greets back.
    if (!versionToGreeting(host, options.panel.port, 1, 0ms)) {
        std::printf("pendra-bench: the panel did not greet back\n");
        return false;
    }
    // The answer to that version, if the opening greeting came first, is
    // not taken for the answer to the first one measured.
    std::this_thread::sleep_for(300ms);
    std::printf("version message -> greeting, %d each; microseconds; load average %s\n", count,
                loadAverage().c_str());
    for (const auto pause : {50ms, 0ms}) {
        std::optional<Latencies> gaps;
        const Share cpu = meter.shareWhile(options.panel.pid, [&] {
            gaps = versionToGreeting(host, options.panel.port, count, pause);
        });
        if (!gaps) {
            std::printf("pendra-bench: a version went unanswered for 2 s\n");
            return false;
        }
        std::printf("%-30s %s",
                    pause > 0ms ? "after a pause of 50 ms" : "as soon as a greeting came",
                    gaps->summary().c_str());
        if (options.panel.pid > 0)
            std::printf("  panel %.2f %% of one core", cpu.total);
        std::printf("\n");
    }
    std::printf("load average afterwards %s\n", loadAverage().c_str());
    return true;
}

} // namespace pendra::bench
