#pragma once

#include "net/SocketLink.h"
#include "tools/hostsim/HostSimulator.h"
#include "tools/hostsim/RunOptions.h"
#include "tools/hostsim/ScriptSource.h"

#include <chrono>
#include <optional>
#include <string>

namespace pendra::hostsim {

// One run of the simulator against a panel: the link on the host's address
// and port, the log of every datagram, the answers, and the stream or the
// script, until Ctrl+C, --duration or the script's end; then the summary.
class SimulatorRun
{
public:
    using Clock = std::chrono::steady_clock;

    // Opens the link; a failure ends the program (fail()).
    explicit SimulatorRun(const RunOptions& options);

    // Returns the program's exit code.
    int run();

private:
    void announce();
    bool timeIsUp(Clock::time_point now) const;
    // Sends the script's next line when it is due; false once the run is over.
    bool playScript(Clock::time_point now);
    void stream(Clock::time_point now);
    void send(const std::string& message, bool scripted, bool show);
    // Logs every datagram of the panel; answers them while the run goes on.
    void takeDatagrams(bool answer);
    // Lets the last answers of the panel arrive before counting.
    void takeLastDatagrams();

    const RunOptions options;
    HostSimulator simulator;
    std::optional<ScriptSource> script;
    SocketLink link;

    Clock::time_point started;
    Clock::time_point nextStream;
    Clock::time_point nextLine;
    std::optional<Clock::time_point> scriptEnded;
    std::string buffer;
    // The stream starts once the panel has been heard: sent into the void it
    // would only count as unacknowledged.
    bool heardPanel = false;
    bool burstSent = false;
};

} // namespace pendra::hostsim
