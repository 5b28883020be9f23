#include "tools/hostcheck/PanelConduct.h"

#include "tools/hostcheck/PositionRules.h"

#include <algorithm>

namespace pendra::hostcheck {

namespace {

std::size_t countBetween(const std::vector<PanelConduct::Clock::duration>& moments,
                         PanelConduct::Clock::duration from, PanelConduct::Clock::duration to)
{
    return static_cast<std::size_t>(std::count_if(moments.begin(), moments.end(),
                                                  [&](auto at) { return at >= from && at <= to; }));
}

std::vector<PanelConduct::Clock::duration>
momentsBetween(const std::vector<PanelConduct::Clock::duration>& moments,
               PanelConduct::Clock::duration from, PanelConduct::Clock::duration to)
{
    std::vector<PanelConduct::Clock::duration> found;
    for (const auto at : moments) {
        if (at >= from && at <= to)
            found.push_back(at);
    }
    return found;
}

} // namespace

bool PanelConduct::Arrival::isPosition() const
{
    return fromHost &&
           (kind == HostMessageKind::Coordinates || kind == HostMessageKind::CoordinatesWithErrors);
}

PanelConduct::PanelConduct(PanelEnd& panelEnd, socketapi::Endpoint hostEndpoint)
    : end(panelEnd), host(hostEndpoint)
{
}

PanelConduct::Clock::duration PanelConduct::greet()
{
    sendGreeting();
    return sentLast;
}

PanelConduct::Clock::duration PanelConduct::sendCommand(std::string_view command)
{
    sentLast = end.send(command);
    return sentLast;
}

std::optional<PanelConduct::Arrival>
PanelConduct::watch(Clock::time_point deadline, const std::function<bool(const Arrival&)>& stop)
{
    while (end.isOpen()) {
        sendDueAnswer();
        if (Clock::now() >= deadline)
            return std::nullopt;
        auto datagram = end.receive(answerDue ? std::min(deadline, *answerDue) : deadline);
        if (!datagram)
            continue;
        Arrival arrival = take(std::move(*datagram));
        if (stop && stop(arrival)) {
            sendDueAnswer();
            return arrival;
        }
    }
    return std::nullopt;
}

std::optional<PanelConduct::Clock::duration> PanelConduct::sendAnswer(Clock::time_point deadline)
{
    if (!answerDue)
        return std::nullopt;
    const std::size_t before = answers;
    // A watch that ends when the answer is due sends it before it returns.
    while (answers == before && answerDue && Clock::now() < deadline && end.isOpen())
        watch(std::min(deadline, *answerDue));
    return answers > before ? std::optional(greetings.back()) : std::nullopt;
}

PanelConduct::Arrival PanelConduct::take(PanelEnd::Datagram datagram)
{
    Arrival arrival;
    arrival.datagram = std::move(datagram);
    const std::string& bytes = arrival.datagram.bytes;
    const socketapi::Endpoint& from = arrival.datagram.from;
    arrival.fromHost = from.address == host.address && from.port == host.port;
    ++datagrams;
    if (!arrival.fromHost) {
        if (!firstStranger)
            firstStranger = arrival;
        return arrival;
    }
    ++fromHost;

    const bool coordinateLike = PositionRules::isCoordinateLike(bytes);
    if (coordinateLike) {
        ++judged;
        arrival.problem = PositionRules::problem(bytes);
        if (arrival.problem) {
            if (++malformed == 1)
                firstMalformed = arrival;
            lastMalformed = arrival;
        }
    }
    // The panel drops empty and over-long datagrams unread, and reads a
    // message only up to its first NUL.
    if (bytes.empty() || bytes.size() > PositionRules::kLongestMessage)
        return arrival;
    const std::string_view text = std::string_view(bytes).substr(0, bytes.find('\0'));
    arrival.kind = classify(text);

    switch (arrival.kind) {
    case HostMessageKind::Version:
        ++versionMessages;
        keep(versionAt, arrival.datagram.at);
        arrival.version = parseVersion(text);
        if (arrival.version)
            version = *arrival.version;
        else if (!firstUnreadableVersion)
            firstUnreadableVersion = arrival;
        // One greeting answers every version that comes while it waits.
        if (!answerDue) {
            const auto now = Clock::now();
            answerDue = lastGreeting ? std::max(now, *lastGreeting + kGreetingInterval) : now;
        }
        break;
    case HostMessageKind::Coordinates:
    case HostMessageKind::CoordinatesWithErrors:
        keep(positionAt, arrival.datagram.at);
        if (acknowledgesCoordinates(version)) {
            sentLast = end.send(kAcknowledgement);
            ++acknowledged;
        } else {
            ++unacknowledged;
        }
        break;
    case HostMessageKind::Other:
        if (!coordinateLike && PositionRules::carriesNumbers(bytes)) {
            if (++ignoredWithNumbers == 1)
                firstIgnored = arrival;
            lastIgnored = arrival;
        }
        break;
    }
    return arrival;
}

void PanelConduct::sendDueAnswer()
{
    if (answerDue && Clock::now() >= *answerDue && end.isOpen()) {
        sendGreeting();
        ++answers;
    }
}

void PanelConduct::sendGreeting()
{
    sentLast = end.send(buildGreeting());
    lastGreeting = Clock::now();
    answerDue.reset();
    keep(greetings, sentLast);
}

void PanelConduct::keep(std::vector<Clock::duration>& moments, Clock::duration at)
{
    if (moments.size() < kMomentLimit)
        moments.push_back(at);
}

std::size_t PanelConduct::versionsBetween(Clock::duration from, Clock::duration to) const
{
    return countBetween(versionAt, from, to);
}

std::size_t PanelConduct::positionsBetween(Clock::duration from, Clock::duration to) const
{
    return countBetween(positionAt, from, to);
}

std::vector<PanelConduct::Clock::duration> PanelConduct::positionMoments(Clock::duration from,
                                                                         Clock::duration to) const
{
    return momentsBetween(positionAt, from, to);
}

std::vector<PanelConduct::Clock::duration> PanelConduct::versionMoments(Clock::duration from,
                                                                        Clock::duration to) const
{
    return momentsBetween(versionAt, from, to);
}

std::optional<PanelConduct::Clock::duration>
PanelConduct::greetingBefore(Clock::duration moment) const
{
    std::optional<Clock::duration> found;
    for (const auto at : greetings) {
        if (at <= moment)
            found = at;
    }
    return found;
}

} // namespace pendra::hostcheck
