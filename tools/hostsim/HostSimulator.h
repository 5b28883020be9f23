#pragma once

#include "panel/PanelProtocol.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pendra {

// A stand-in for the host measurement application, without the socket: what
// it answers to each datagram of the panel, the probe path it streams, and
// what it has counted. Speaks only the panel's own wire vocabulary.
class HostSimulator
{
public:
    using Clock = std::chrono::steady_clock;

    struct Options
    {
        int announcedVersion = 2;
        // Stream "QVL_IP_COORD2:" with errors instead of "QVL_IP_COORD:".
        bool withErrors = false;
        // A greeting is answered when it is the panel's first, or when the panel
        // had been silent this long before it. The panel greets again after
        // every version message, so answering every greeting would ping-pong.
        std::chrono::milliseconds quiet{300};
        // Nor is the first greeting that comes this soon after our own
        // version message: it is the panel's answer to it, and answering it
        // would go on for ever.
        std::chrono::milliseconds answerBound = kGreetingAnswerBound;
    };

    // What the simulator makes of one datagram of the panel.
    struct Reaction
    {
        std::string meaning;
        std::vector<std::string> replies;
    };

    struct Summary
    {
        std::size_t messagesSent = 0;
        std::size_t versionsSent = 0;
        std::size_t coordinatesSent = 0;
        std::size_t scriptedSent = 0;
        std::size_t greetings = 0;
        std::optional<int> panelVersion;
        std::array<std::size_t, 5> commands{};
        std::size_t acknowledgements = 0;
        std::size_t unknown = 0;
        std::size_t unacknowledged() const;
    };

    explicit HostSimulator(Options options);

    Reaction receive(std::string_view datagram, Clock::time_point now);
    // The probe position at a moment of the run, as a coordinate message; a
    // measured feature (the answer to Done) is taken where the probe was last.
    std::string coordinatesAt(double seconds);
    // STOP EXECUTION pauses the stream; CONTINUE EXECUTION resumes it.
    bool streaming() const { return !paused; }

    // Counts a message the simulator sent, by kind, and keeps when a version
    // message went, until the panel answers it.
    void countSent(std::string_view message, bool scripted, Clock::time_point sentAt);
    const Summary& summary() const { return counts; }
    std::string summaryText() const;

private:
    std::string measuredFeature() const;

    Options options;
    bool paused = false;
    std::optional<Clock::time_point> lastHeard;
    std::optional<Clock::time_point> unansweredVersion;
    double lastStreamed = 0;
    Summary counts;
};

// A datagram as it may be shown on a terminal: printable ASCII as it is, a
// backslash doubled, newline, return and tab as \n, \r and \t, and every other
// byte as \xNN, so that no datagram can drive the operator's terminal.
std::string printableText(std::string_view bytes);

} // namespace pendra
