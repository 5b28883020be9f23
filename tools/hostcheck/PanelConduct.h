#pragma once

#include "panel/PanelProtocol.h"
#include "tools/hostcheck/PanelEnd.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pendra::hostcheck {

// The panel's ways on the wire, played over a PanelEnd: a greeting in answer
// to version messages (at most one every 20 ms, one for all that came
// meanwhile), an acknowledgement at once for each coordinate message while
// the host's version is above 1, and nothing for anything else. Datagrams
// from another source than the host are dropped, as the panel's connected
// socket drops them. Along the way it keeps what items 1, 6 and 7 judge.
class PanelConduct
{
public:
    using Clock = std::chrono::steady_clock;

    // As the panel's HostConnection::kGreetingInterval.
    static constexpr std::chrono::milliseconds kGreetingInterval{20};
    // Moments kept for counting; a flood beyond it is still judged.
    static constexpr std::size_t kMomentLimit = 200000;

    // One datagram as the panel takes it.
    struct Arrival
    {
        PanelEnd::Datagram datagram;
        bool fromHost = false;
        // Other for what the panel drops or ignores.
        HostMessageKind kind = HostMessageKind::Other;
        std::optional<int> version;
        // Item 6's verdict on a coordinate-like datagram.
        std::optional<std::string> problem;

        bool isVersion() const { return fromHost && kind == HostMessageKind::Version; }
        bool isPosition() const;
    };

    PanelConduct(PanelEnd& end, socketapi::Endpoint host);

    // The greeting the panel sends when its link opens; it answers every
    // version that came before it too.
    Clock::duration greet();
    // Returns when it went.
    Clock::duration sendCommand(std::string_view command);
    // Takes datagrams and answers them as the panel does, until the deadline
    // or until stop accepts one, which is returned.
    std::optional<Arrival> watch(Clock::time_point deadline,
                                 const std::function<bool(const Arrival&)>& stop = {});
    // Watches until the greeting that answers the versions so far has gone;
    // when it went, or nothing if none was due.
    std::optional<Clock::duration> sendAnswer(Clock::time_point deadline);
    // The link closed: a greeting still due is not sent.
    void closed() { answerDue.reset(); }

    // The version the panel now holds: 1 until one is read.
    int hostVersion() const { return version; }
    std::size_t versionsBetween(Clock::duration from, Clock::duration to) const;
    std::size_t positionsBetween(Clock::duration from, Clock::duration to) const;
    // The moments of the coordinate messages, and of the version messages,
    // taken in a span.
    std::vector<Clock::duration> positionMoments(Clock::duration from, Clock::duration to) const;
    std::vector<Clock::duration> versionMoments(Clock::duration from, Clock::duration to) const;
    // The last greeting sent at or before a moment.
    std::optional<Clock::duration> greetingBefore(Clock::duration moment) const;
    Clock::duration lastSent() const { return sentLast; }

    // Counts over the run.
    std::size_t datagrams = 0;
    std::size_t fromHost = 0;
    std::optional<Arrival> firstStranger;
    std::size_t judged = 0;
    std::size_t malformed = 0;
    std::optional<Arrival> firstMalformed;
    std::optional<Arrival> lastMalformed;
    std::size_t ignoredWithNumbers = 0;
    std::optional<Arrival> firstIgnored;
    std::optional<Arrival> lastIgnored;
    std::size_t versionMessages = 0;
    std::optional<Arrival> firstUnreadableVersion;
    std::size_t acknowledged = 0;
    std::size_t unacknowledged = 0;
    std::size_t answers = 0;

private:
    Arrival take(PanelEnd::Datagram datagram);
    void sendDueAnswer();
    void sendGreeting();
    static void keep(std::vector<Clock::duration>& moments, Clock::duration at);

    PanelEnd& end;
    const socketapi::Endpoint host;
    int version = kInitialHostVersion;
    std::optional<Clock::time_point> answerDue;
    std::optional<Clock::time_point> lastGreeting;
    Clock::duration sentLast{};
    std::vector<Clock::duration> greetings;
    std::vector<Clock::duration> versionAt;
    std::vector<Clock::duration> positionAt;
};

} // namespace pendra::hostcheck
