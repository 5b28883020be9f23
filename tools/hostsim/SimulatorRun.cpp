#include "tools/hostsim/SimulatorRun.h"

#include "net/SocketApi.h"
#include "tools/hostsim/Console.h"

#include <csignal>
#include <iostream>
#include <thread>

namespace pendra::hostsim {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

std::optional<ScriptSource> openScript(const std::optional<std::string>& path)
{
    std::optional<ScriptSource> script;
    if (path)
        script.emplace(*path);
    return script;
}

} // namespace

SimulatorRun::SimulatorRun(const RunOptions& runOptions)
    : options(runOptions), simulator(runOptions.simulator), script(openScript(options.scriptPath)),
      link(options.panelAddress, options.panelPort), burstSent(options.burst == 0)
{
    link.setLocalEndpoint(options.hostAddress, 1, options.hostPort);
    link.setReceiveBufferRequest(options.receiveBuffer);
    if (link.open() != 0)
        fail("cannot use " + options.hostAddress + ":" + std::to_string(options.hostPort) +
             " towards " + options.panelAddress + ":" + std::to_string(options.panelPort) + ": " +
             socketapi::errorMessage(link.openErrorCode()) + " (" + link.lastError() + ")");
}

int SimulatorRun::run()
{
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    announce();

    started = Clock::now();
    nextStream = started;
    nextLine = started;
    while (!stopRequested) {
        const auto now = Clock::now();
        if (timeIsUp(now))
            break;
        takeDatagrams(true);
        if (script) {
            if (!playScript(now))
                break;
        } else {
            stream(now);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    takeLastDatagrams();
    std::cout << simulator.summaryText() << std::flush;
    return 0;
}

void SimulatorRun::announce()
{
    std::cout << "pendra-hostsim: host " << options.hostAddress << ":" << link.boundPort()
              << ", panel " << options.panelAddress << ":" << options.panelPort
              << ", announcing version " << options.simulator.announcedVersion
              << ", receive buffer " << link.receiveBufferBytes() << " bytes; ";
    if (script)
        std::cout << "sending "
                  << (*options.scriptPath == "-" ? std::string("standard input")
                                                 : *options.scriptPath)
                  << " every " << options.pace.count() << " ms";
    else if (options.rate > 0)
        std::cout << options.rate << " coordinate messages per second";
    else
        std::cout << "no stream";
    std::cout << ". Ctrl+C ends it." << std::endl;
}

bool SimulatorRun::timeIsUp(Clock::time_point now) const
{
    return options.duration > 0 && now - started >= std::chrono::seconds(options.duration);
}

bool SimulatorRun::playScript(Clock::time_point now)
{
    if (now >= nextLine) {
        if (const auto line = script->next()) {
            if (!line->empty())
                send(*line, true, true);
            nextLine = now + options.pace;
        }
    }
    if (!scriptEnded && script->finished())
        scriptEnded = now;
    // Without --duration the run ends a second after the last line.
    return !(scriptEnded && options.duration == 0 && now - *scriptEnded >= std::chrono::seconds(1));
}

void SimulatorRun::stream(Clock::time_point now)
{
    if (heardPanel && !burstSent) {
        // Back to back: how many answers come back shows whether the
        // receive buffers on either side hold them all.
        for (int i = 0; i < options.burst; ++i)
            send(simulator.coordinatesAt(0.001 * i), false, false);
        burstSent = true;
    } else if (options.rate > 0 && heardPanel && now >= nextStream) {
        if (simulator.streaming()) {
            const double seconds = std::chrono::duration<double>(now - started).count();
            send(simulator.coordinatesAt(seconds), false, options.verbose);
        }
        const auto period = std::chrono::nanoseconds(1'000'000'000LL / options.rate);
        nextStream += period;
        if (nextStream < now)
            nextStream = now + period;
    }
}

void SimulatorRun::send(const std::string& message, bool scripted, bool show)
{
    link.write(message.data(), static_cast<int>(message.size()), 0);
    simulator.countSent(message, scripted, Clock::now());
    if (show)
        logDatagram("->", message);
}

void SimulatorRun::takeDatagrams(bool answer)
{
    while (const int length = link.peekLength()) {
        buffer.resize(static_cast<std::size_t>(length));
        link.read(buffer.data(), length);
        const auto reaction = simulator.receive(buffer, Clock::now());
        if (!heardPanel)
            nextStream = Clock::now();
        heardPanel = true;
        logDatagram("<-", buffer, reaction.meaning);
        if (answer) {
            for (const std::string& reply : reaction.replies)
                send(reply, false, true);
        }
    }
}

void SimulatorRun::takeLastDatagrams()
{
    const auto drainUntil = Clock::now() + std::chrono::milliseconds(200);
    while (Clock::now() < drainUntil) {
        takeDatagrams(false);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace pendra::hostsim
