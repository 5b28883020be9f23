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
//                [--figures FILE]    leaves the CPU shares in FILE, for --window-pid
//   pendra-bench --idle-pid N         what a process costs over 10 s, left alone
//   pendra-bench --window-pid N [--figures FILE]
//                                     what pendra-bare-window costs over 5 s; with the
//                                     run's FILE, the floor: bare loop + bare window
//   pendra-bench --announce --panel-port P --host-port H [--pid-file FILE]
//                                     announces version 2 and waits for the greeting
//   pendra-bench --stream N --rate R --panel-port P --host-port H
//                                     N positions at R a second, each acknowledged
//   pendra-bench --greetings N --panel-port P --host-port H [--pid-file FILE]
//                                     N version messages, each timed to its greeting
//   --server-pid S                    with any of them: wine's server, whose CPU time
//                                     is counted with the program measured at the time

#include "bench/BenchSocket.h"
#include "bench/CpuMeter.h"
#include "bench/Drive.h"
#include "bench/Latencies.h"
#include "bench/ProgramBench.h"
#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "panel/MessageWorker.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

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
    CpuMeter().printIdle("whole process", 0, 5s);
}

} // namespace

int main(int argc, char** argv)
{
    ProgramOptions options;
    int idlePid = 0;
    int windowPid = 0;
    int streamCount = 0;
    int streamRate = 500;
    int greetingCount = 0;
    bool announce = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--announce") {
            announce = true;
            continue;
        }
        if (i + 1 >= argc)
            break;
        const char* value = argv[++i];
        if (option == "--panel-port")
            options.panel.port = std::atoi(value);
        else if (option == "--host-port")
            options.hostPort = std::atoi(value);
        else if (option == "--pid")
            options.panel.pid = std::atoi(value);
        else if (option == "--bare-port")
            options.bare.port = std::atoi(value);
        else if (option == "--bare-pid")
            options.bare.pid = std::atoi(value);
        else if (option == "--frame-log")
            options.frameLog = value;
        else if (option == "--idle-pid")
            idlePid = std::atoi(value);
        else if (option == "--pid-file")
            options.pidFile = value;
        else if (option == "--window-pid")
            windowPid = std::atoi(value);
        else if (option == "--server-pid")
            options.serverPid = std::atoi(value);
        else if (option == "--figures")
            options.figuresFile = value;
        else if (option == "--stream")
            streamCount = std::atoi(value);
        else if (option == "--rate")
            streamRate = std::atoi(value);
        else if (option == "--greetings")
            greetingCount = std::atoi(value);
    }
    ProgramBench bench(options);
    if (windowPid > 0) {
        bench.measureWindow(windowPid);
        return 0;
    }
    if (idlePid > 0) {
        CpuMeter(options.serverPid).printIdle("program", idlePid, 10s);
        return 0;
    }
    const bool againstProgram = options.panel.port > 0 && options.hostPort > 0;
    if (announce && againstProgram)
        return bench.announce() ? 0 : 1;
    if (greetingCount > 0 && againstProgram)
        return bench.greetingGaps(greetingCount) ? 0 : 1;
    if (streamCount > 0 && againstProgram) {
        bench.stream(streamCount, streamRate);
        return 0;
    }
    if (againstProgram)
        bench.run();
    else
        runInProcess();
    return 0;
}
