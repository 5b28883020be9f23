#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pendra {

class SocketLink;

// A text that could not be sent, and the system's error code for it.
struct SendFailure
{
    std::string text;
    int code = 0;

    bool operator==(const SendFailure&) const = default;
};

// What one pass of a link's thread did besides framing. The thread fills it
// in order: queued texts sent, a datagram taken, then the handler's own
// sends (SocketLink::sendNow) while the handler runs.
struct LinkPass
{
    // Queued texts that went out, in order.
    std::vector<std::string> sentFromQueue;
    // A datagram was framed into the receive queue.
    bool datagram = false;
    // Refusals the socket handed on: an earlier datagram found nobody at
    // the remote port.
    std::size_t refusals = 0;
    // Sends in this pass, and the last one that failed if none succeeded after it.
    std::size_t sends = 0;
    std::optional<SendFailure> failure;
};

// The work an open link's thread does with what it receives: called on that
// thread after every pass, and again when the time it asked for comes.
class LinkHandler
{
public:
    using Clock = std::chrono::steady_clock;

    virtual ~LinkHandler() = default;
    // May take messages from the link and answer them with SocketLink::sendNow,
    // which adds to pass. Returns when the thread must come back at the latest.
    virtual std::optional<Clock::time_point> afterPass(SocketLink& link, LinkPass& pass) = 0;
    // The last pass, on a close: it sent what was queued and took nothing.
    virtual void beforeClose(SocketLink& link, const LinkPass& pass) = 0;
};

} // namespace pendra
