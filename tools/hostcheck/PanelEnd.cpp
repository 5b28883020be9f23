#include "tools/hostcheck/PanelEnd.h"

#include "panel/PanelProtocol.h"
#include "tools/hostcheck/WireText.h"

#include <algorithm>
#include <thread>

namespace pendra::hostcheck {

namespace {

bool isStream(const PanelEnd::Entry& entry)
{
    if (entry.direction == PanelEnd::Direction::Received)
        return classify(entry.bytes) == HostMessageKind::Coordinates ||
               classify(entry.bytes) == HostMessageKind::CoordinatesWithErrors;
    return entry.direction == PanelEnd::Direction::Sent && entry.bytes == kAcknowledgement;
}

} // namespace

PanelEnd::PanelEnd(socketapi::Endpoint panelEndpoint, socketapi::Endpoint hostEndpoint,
                   Clock::time_point runStart)
    : panel(panelEndpoint), host(hostEndpoint), start(runStart),
      libraryStarted(socketapi::startLibrary() == 0), area(kReceiveArea, '\0')
{
}

PanelEnd::~PanelEnd()
{
    if (isOpen())
        socketapi::closeSocket(socket);
    if (libraryStarted)
        socketapi::releaseLibrary();
}

int PanelEnd::open()
{
    if (isOpen())
        return 0;
    const socketapi::Handle created = socketapi::createSocket(true);
    if (created == socketapi::kNoSocket)
        return socketapi::lastError();
    // Before the bind, as the panel does, so the buffer is there for the
    // first datagram.
    socketapi::setReceiveBufferSize(created, kReceiveBufferRequest);
    if (!socketapi::bindTo(created, panel) || !socketapi::setNonBlocking(created)) {
        const int code = socketapi::lastError();
        socketapi::closeSocket(created);
        return code;
    }
    socket = created;
    granted = socketapi::receiveBufferSize(socket);
    record(Direction::Opened, {}, panel);
    return 0;
}

void PanelEnd::close()
{
    if (!isOpen())
        return;
    socketapi::closeSocket(socket);
    socket = socketapi::kNoSocket;
    record(Direction::Closed, {}, panel);
}

PanelEnd::Clock::duration PanelEnd::send(std::string_view message)
{
    const int sent = isOpen() ? socketapi::sendBytesTo(socket, message.data(),
                                                       static_cast<int>(message.size()), host)
                              : -1;
    record(sent == static_cast<int>(message.size()) ? Direction::Sent : Direction::NotSent, message,
           host);
    return sinceStart();
}

std::optional<PanelEnd::Datagram> PanelEnd::receive(Clock::time_point deadline)
{
    while (isOpen()) {
        const auto left = std::chrono::ceil<std::chrono::microseconds>(deadline - Clock::now());
        if (!socketapi::waitReadable(socket, std::max(left, std::chrono::microseconds(0))))
            return std::nullopt;
        socketapi::Endpoint from;
        const int length = socketapi::receiveOnce(socket, area.data(), kReceiveArea, true, &from);
        if (length >= 0) {
            Datagram datagram{area.substr(0, static_cast<std::size_t>(length)), from, sinceStart()};
            record(Direction::Received, datagram.bytes, from, datagram.at);
            return datagram;
        }
        const int code = socketapi::lastError();
        if (socketapi::isRefusal(code)) {
            record(Direction::Refused, {}, host);
        } else if (!socketapi::isWouldBlock(code)) {
            // Some other failure that a wait would report again at once:
            // do not spin on it.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (Clock::now() >= deadline)
            return std::nullopt;
    }
    return std::nullopt;
}

void PanelEnd::record(Direction direction, std::string_view bytes, const socketapi::Endpoint& peer,
                      std::optional<Clock::duration> at)
{
    if (entries.size() >= kLogLimit) {
        ++unlogged;
        return;
    }
    entries.push_back({at.value_or(sinceStart()), direction, std::string(bytes), peer});
}

std::string PanelEnd::describe(const Entry& entry)
{
    const std::string moment = momentText(entry.at) + "  ";
    // A long datagram is cut, so that a line stays a line.
    const std::string text = shortened(entry.bytes, 200);
    switch (entry.direction) {
    case Direction::Sent:
        return moment + "-> " + text;
    case Direction::NotSent:
        return moment + "-> " + text + "  (not sent: the system refused it)";
    case Direction::Received:
        return moment + "<- " + text + "  (from " + endpointText(entry.peer) + ")";
    case Direction::Refused:
        return moment + "(the system reports a datagram refused: nothing listened at " +
               endpointText(entry.peer) + ")";
    case Direction::Closed:
        return moment + "(the panel's socket closed)";
    case Direction::Opened:
        return moment + "(the panel's socket opened on " + endpointText(entry.peer) + ")";
    }
    return moment;
}

std::vector<std::string> PanelEnd::evidence(Clock::duration from, Clock::duration to,
                                            bool withStream, std::size_t maxLines) const
{
    std::vector<std::string> lines;
    std::size_t left = 0;
    std::size_t stream = 0;
    for (const Entry& entry : entries) {
        if (entry.at < from || entry.at > to)
            continue;
        if (!withStream && isStream(entry)) {
            ++stream;
            continue;
        }
        if (lines.size() < maxLines)
            lines.push_back(describe(entry));
        else
            ++left;
    }
    if (left > 0)
        lines.push_back("\u2026 " + std::to_string(left) + " more by " + momentText(to));
    if (stream > 0)
        lines.push_back("(positions and acknowledgements left out: " +
                        counted(stream, "datagram", "datagrams") + ")");
    if (unlogged > 0 && (entries.empty() || entries.back().at <= to))
        lines.push_back("(" + std::to_string(unlogged) + " datagrams beyond the log's limit of " +
                        std::to_string(kLogLimit) + " not kept)");
    return lines;
}

} // namespace pendra::hostcheck
