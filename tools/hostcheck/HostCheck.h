#pragma once

#include "net/SocketApi.h"
#include "tools/hostcheck/CheckReport.h"
#include "tools/hostcheck/PanelConduct.h"
#include "tools/hostcheck/PanelEnd.h"

#include <chrono>
#include <optional>
#include <string>

namespace pendra::hostcheck {

// One run of the check: plays the panel against a running host, phase by
// phase, and judges it item by item against the checklist. Every wait is
// bounded; against a good host the run takes about 8 s (10 with commands).
class HostCheck
{
public:
    using Clock = std::chrono::steady_clock;

    struct Settings
    {
        socketapi::Endpoint host{0x7F000001, 7712};
        socketapi::Endpoint panel{0x7F000001, 7714};
        // Send QVL_PENDRA_1 to 5: a real host drives a real machine with them.
        bool commands = false;
        // How long each greeting waits for its version, and how many are sent.
        std::chrono::milliseconds answerWait{1000};
        int greetings = 3;
        // How long the answer to the host's version is watched for an answer.
        std::chrono::milliseconds loopWatch{1000};
        // How long positions are watched for rate and jitter.
        std::chrono::milliseconds positionWatch{3000};
        std::chrono::milliseconds commandGap{300};
        // How long the panel stays away: a restart, and refusals.
        std::chrono::milliseconds shortAbsence{1000};
        std::chrono::milliseconds longAbsence{3000};
        // How soon positions must come again once the host has answered.
        std::chrono::milliseconds resumeWait{2000};
    };

    explicit HostCheck(const Settings& settings);

    // Binds the panel's address and port: 0, or the system's error code.
    int open();
    // Runs every phase on the open panel end; the verdicts.
    CheckReport run();
    const PanelEnd& wire() const { return end; }

private:
    struct Answer
    {
        PanelConduct::Arrival version;
        Clock::duration greetingAt{};
        int greetingsSent = 0;
    };

    std::optional<Answer> greetUntilAnswered(int greetings);
    Clock::time_point at(Clock::duration sinceStart) const { return end.started() + sinceStart; }
    // "Version:2 came 0.6 ms after the greeting".
    static std::string answerText(const Answer& answer);
    std::string noAnswerText(int greetings) const;

    void checkGreetings();
    void checkLoop(const Answer& answer, Clock::duration phaseStart);
    void watchPositions();
    void checkCommands();
    void checkReturn(int item, std::chrono::milliseconds absence);

    const Settings settings;
    PanelEnd end;
    PanelConduct conduct;
    CheckReport report;
    std::optional<Answer> firstAnswer;
};

} // namespace pendra::hostcheck
