// pendra-bench: how quickly the panel's host connection answers a host, set
// beside a bare UDP loop that does the least the same work needs. Only the
// ratios between the two carry over to another machine.
//
//   pendra-bench                      the panel's HostConnection and worker, in process
//   pendra-bench --panel-port P --host-port H [--pid N] [--bare-port B --bare-pid M]
//                [--frame-log FILE]
//                                     a panel program already running, configured to
//                                     talk to 127.0.0.1:H from 127.0.0.1:P, beside
//                                     pendra-bare-loop on port B; FILE is the panel's
//                                     log, with its "pendra.frames" category on
//                [--pid-file FILE]   the panel's process id, once FILE holds it
//   pendra-bench --idle-pid N         what a process costs over 10 s, left alone
//   pendra-bench --window-pid N       what pendra-bare-window costs over 5 s

#include "bench/BenchSocket.h"
#include "bench/Latencies.h"
#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "panel/MessageWorker.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using namespace pendra;
using namespace pendra::bench;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Answers every coordinate message, as the panel must, with the least work
// possible: the floor any panel is measured against.
class BareResponder
{
public:
    explicit BareResponder(int hostPort)
    {
        socket.connectTo(hostPort);
        thread = std::thread([this] {
            char buffer[16000];
            while (socket.receive(buffer, sizeof buffer) >= 0)
                socket.send("QVL_PENDRA_9");
        });
    }
    ~BareResponder()
    {
        socket.shutdown();
        thread.join();
    }
    int port() const { return socket.port(); }
    void sendCommand() { socket.send("QVL_PENDRA_4"); }

private:
    BenchSocket socket;
    std::thread thread;
};

// Takes the readouts and counts them; the window is not part of the measure.
class CountingView : public PanelView
{
public:
    void showReadouts(ReadoutTexts) override { ++updates; }
    std::atomic<long> updates{0};
};

// The panel's own road: link, receive thread, worker, acknowledgement.
class PanelResponder
{
public:
    explicit PanelResponder(int hostPort)
    {
        settings.localAddress = "127.0.0.1";
        settings.localPort = std::to_string(BenchSocket::freePort());
        settings.remoteAddress = "127.0.0.1";
        settings.remotePort = std::to_string(hostPort);
        connection.setPanelReady();
        if (!connection.openLink()) {
            std::fprintf(stderr, "pendra-bench: the link did not open: %s\n",
                         connection.failureMessage().c_str());
            std::exit(1);
        }
        connection.setHostVersion(2);
        worker.start();
    }
    int port() const { return std::stoi(settings.localPort); }
    void sendCommand() { connection.sendKeyCommand(0x73); }

    ConnectionSettings settings{"pendra-bench"};
    HostConnection connection{settings};
    CountingView view;
    MessageWorker worker{connection, view};
};

struct Run
{
    std::size_t sent = 0;
    std::size_t acknowledged = 0;
    Latencies latencies;
};

// Sends count coordinate messages to the panel at rate per second (0: back to
// back) and times each acknowledgement. Acknowledgements carry no number: the
// k-th one answers the k-th message, so the times hold while none is lost.
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

void printRate(const char* what, const Run& panel, const Run& bare)
{
    std::printf("%-18s panel %5zu/%-5zu acknowledged  %s\n", what, panel.acknowledged, panel.sent,
                panel.latencies.summary().c_str());
    std::printf("%-18s bare  %5zu/%-5zu acknowledged  %s\n", "", bare.acknowledged, bare.sent,
                bare.latencies.summary().c_str());
    std::printf("%-18s ratio panel/bare  p50 %.1fx  p99 %.1fx\n", "",
                panel.latencies.ratio(bare.latencies, 50),
                panel.latencies.ratio(bare.latencies, 99));
}

template <typename Responder>
Latencies commandLatency(BenchSocket& host, Responder& responder, int samples)
{
    host.drain();
    Latencies latencies;
    char buffer[64];
    for (int i = 0; i < samples; ++i) {
        const auto start = Clock::now();
        responder.sendCommand();
        if (host.receive(buffer, sizeof buffer, 1s) < 0)
            continue;
        latencies.add(Clock::now() - start);
    }
    return latencies;
}

struct Usage
{
    double cpuSeconds = 0;
    long contextSwitches = 0;
};

// What each thread of a process has used so far, by thread id. A thread that
// ends between two readings takes its counts with it, so differences are
// taken thread by thread, never of the sums.
struct Activity
{
    std::map<int, Usage> threads;

    Usage since(const Activity& earlier) const
    {
        Usage used;
        for (const auto& [tid, now] : threads) {
            const auto before = earlier.threads.find(tid);
            const Usage then = before == earlier.threads.end() ? Usage{} : before->second;
            used.cpuSeconds += now.cpuSeconds - then.cpuSeconds;
            used.contextSwitches += now.contextSwitches - then.contextSwitches;
        }
        return used;
    }
};

// The numeric entries of a folder, such as /proc/self/task.
std::vector<int> listNumbers(const std::string& folder)
{
    std::vector<int> numbers;
    if (DIR* entries = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            if (const int number = std::atoi(entry->d_name); number > 0)
                numbers.push_back(number);
        }
        ::closedir(entries);
    }
    return numbers;
}

// CPU time and context switches of all threads of a process, from the
// scheduler's own counts (nanoseconds, not clock ticks).
Activity activityOf(int pid)
{
    const std::string tasks = (pid == 0 ? "/proc/self" : "/proc/" + std::to_string(pid)) + "/task";
    Activity activity;
    for (int tid : listNumbers(tasks)) {
        const std::string task = tasks + "/" + std::to_string(tid);
        Usage& usage = activity.threads[tid];
        std::ifstream schedstat(task + "/schedstat");
        long long runNanoseconds = 0;
        if (schedstat >> runNanoseconds)
            usage.cpuSeconds = static_cast<double>(runNanoseconds) / 1e9;
        std::ifstream status(task + "/status");
        std::string line;
        while (std::getline(status, line)) {
            long value = 0;
            if (std::sscanf(line.c_str(), "voluntary_ctxt_switches: %ld", &value) == 1 ||
                std::sscanf(line.c_str(), "nonvoluntary_ctxt_switches: %ld", &value) == 1)
                usage.contextSwitches += value;
        }
    }
    return activity;
}

void printIdle(const char* what, int pid, std::chrono::seconds span)
{
    const Activity before = activityOf(pid);
    std::this_thread::sleep_for(span);
    const Usage used = activityOf(pid).since(before);
    const double seconds = static_cast<double>(span.count());
    // The bench's own main thread wakes once from its sleep; that is not the panel.
    const long ownWakeUps = pid == 0 ? 1 : 0;
    std::printf("%-18s %.4f %% of one core, %.1f wake-ups/s over %lld s\n", what,
                100.0 * used.cpuSeconds / seconds,
                static_cast<double>(used.contextSwitches - ownWakeUps) / seconds,
                static_cast<long long>(span.count()));
}

void runInProcess()
{
    BenchSocket host;
    std::printf("pendra-bench: host on 127.0.0.1:%d; latencies in microseconds\n\n", host.port());
    auto panel = std::make_unique<PanelResponder>(host.port());
    auto bare = std::make_unique<BareResponder>(host.port());

    std::printf("host message -> acknowledgement, steady rate for 2 s\n");
    for (int rate : {100, 1000, 5000}) {
        const std::size_t count = static_cast<std::size_t>(rate) * 2;
        const Run panelRun = drive(host, panel->port(), rate, count);
        const Run bareRun = drive(host, bare->port(), rate, count);
        printRate((std::to_string(rate) + "/s").c_str(), panelRun, bareRun);
    }
    std::printf("\nbursts, back to back\n");
    for (std::size_t count : {1000u, 5000u}) {
        const Run panelRun = drive(host, panel->port(), 0, count);
        const Run bareRun = drive(host, bare->port(), 0, count);
        printRate((std::to_string(count) + " at once").c_str(), panelRun, bareRun);
    }
    std::printf("  panel window updates over the whole run: %ld\n", panel->view.updates.load());
    std::printf("  messages the panel dropped from its full queue: %llu\n",
                static_cast<unsigned long long>(panel->connection.droppedMessages()));

    std::printf("\nkey command -> datagram at the host, 1000 samples\n");
    const Latencies panelCommand = commandLatency(host, *panel, 1000);
    const Latencies bareCommand = commandLatency(host, *bare, 1000);
    std::printf("%-18s panel %s\n", "sendKeyCommand", panelCommand.summary().c_str());
    std::printf("%-18s bare  %s\n", "send", bareCommand.summary().c_str());
    std::printf("%-18s ratio panel/bare  p50 %.1fx  p99 %.1fx\n", "",
                panelCommand.ratio(bareCommand, 50), panelCommand.ratio(bareCommand, 99));

    bare.reset();
    std::printf("\nidle: the link open, the worker running, the host silent\n");
    printIdle("whole process", 0, 5s);
}

// The CPU share of one process while a job runs, against the wall time it took.
template <typename Job> double cpuShareWhile(int pid, Job job)
{
    const Activity before = activityOf(pid);
    const auto started = Clock::now();
    job();
    const double wall = std::chrono::duration<double>(Clock::now() - started).count();
    return 100.0 * activityOf(pid).since(before).cpuSeconds / wall;
}

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

// A host that answers every greeting with its version, as some hosts do, for
// the given time: greetings a second and the panel's CPU share.
void answerEveryGreeting(BenchSocket& host, int panelPort, int pid, std::chrono::seconds span)
{
    host.drain();
    long greetings = 0;
    const double cpu = cpuShareWhile(pid, [&] {
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
        "one core\n",
        static_cast<long long>(span.count()),
        static_cast<double>(greetings) / static_cast<double>(span.count()), cpu);
    host.drain();
}

struct Program
{
    int port = 0;
    int pid = 0;
};

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

void runAgainstProgram(int hostPort, Program panel, Program bare, const std::string& frameLog,
                       const std::string& pidFile)
{
    BenchSocket host(hostPort);
    // The host is up before the panel starts, as at a station.
    if (!pidFile.empty())
        panel.pid = waitForNumber(pidFile);
    std::printf("pendra-bench: host on 127.0.0.1:%d, the panel program on 127.0.0.1:%d", hostPort,
                panel.port);
    if (bare.port > 0)
        std::printf(", the bare loop on 127.0.0.1:%d", bare.port);
    std::printf("\n");
    // The panel greets on start; announce version 2 so that it acknowledges.
    host.sendTo(panel.port, "Version:2");
    char buffer[64];
    host.receive(buffer, sizeof buffer, 5s);
    host.drain();

    std::printf("\nhost message -> acknowledgement, steady rate for 3 s; CPU in %% of one core; "
                "latencies in microseconds\n");
    for (int rate : {100, 1000, 5000}) {
        const std::size_t count = static_cast<std::size_t>(rate) * 3;
        const long framesBefore = framesLogged(frameLog);
        Run panelRun;
        const auto started = Clock::now();
        const double panelCpu =
            cpuShareWhile(panel.pid, [&] { panelRun = drive(host, panel.port, rate, count); });
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        const double updates = static_cast<double>(framesLogged(frameLog) - framesBefore) / seconds;
        std::printf(
            "%5d/s  panel %5zu/%-5zu acknowledged  CPU %6.2f %%  %6.1f window updates/s  %s\n",
            rate, panelRun.acknowledged, panelRun.sent, panelCpu, updates,
            panelRun.latencies.summary().c_str());
        if (bare.port <= 0)
            continue;
        Run bareRun;
        const double bareCpu =
            cpuShareWhile(bare.pid, [&] { bareRun = drive(host, bare.port, rate, count); });
        std::printf("%7s bare  %5zu/%-5zu acknowledged  CPU %6.2f %%                         %s\n",
                    "", bareRun.acknowledged, bareRun.sent, bareCpu,
                    bareRun.latencies.summary().c_str());
        std::printf("%7s ratio panel/bare  CPU %.1fx  p50 %.1fx  p99 %.1fx\n", "",
                    bareCpu > 0 ? panelCpu / bareCpu : 0.0,
                    panelRun.latencies.ratio(bareRun.latencies, 50),
                    panelRun.latencies.ratio(bareRun.latencies, 99));
    }
    std::printf("\n");
    for (std::size_t count : {150u, 1000u}) {
        const Run run = drive(host, panel.port, 0, count);
        std::printf("burst of %-6zu   %5zu/%-5zu acknowledged  %s\n", count, run.acknowledged,
                    run.sent, run.latencies.summary().c_str());
    }
    std::printf("\n");
    answerEveryGreeting(host, panel.port, panel.pid, 5s);
    std::this_thread::sleep_for(1s);
    printIdle("idle program", panel.pid, 5s);
}

} // namespace

int main(int argc, char** argv)
{
    int hostPort = 0;
    Program panel;
    Program bare;
    std::string frameLog;
    int idlePid = 0;
    int windowPid = 0;
    std::string pidFile;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--panel-port")
            panel.port = std::atoi(value);
        else if (option == "--host-port")
            hostPort = std::atoi(value);
        else if (option == "--pid")
            panel.pid = std::atoi(value);
        else if (option == "--bare-port")
            bare.port = std::atoi(value);
        else if (option == "--bare-pid")
            bare.pid = std::atoi(value);
        else if (option == "--frame-log")
            frameLog = value;
        else if (option == "--idle-pid")
            idlePid = std::atoi(value);
        else if (option == "--pid-file")
            pidFile = value;
        else if (option == "--window-pid")
            windowPid = std::atoi(value);
    }
    if (windowPid > 0) {
        const double cpu = cpuShareWhile(windowPid, [] { std::this_thread::sleep_for(5s); });
        std::printf("bare window, a new number every frame, 5 s: %.2f %% of one core\n", cpu);
        return 0;
    }
    if (idlePid > 0) {
        printIdle("program", idlePid, 10s);
        return 0;
    }
    if (panel.port > 0 && hostPort > 0)
        runAgainstProgram(hostPort, panel, bare, frameLog, pidFile);
    else
        runInProcess();
    return 0;
}
