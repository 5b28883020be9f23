#pragma once

#include "net/LinkHandler.h"
#include "net/SocketLink.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pendra {

class HostConnection;
class MessageWorker;

// What a link's thread tells the window's thread about its link, tagged with
// the link's number so that the window can drop the news of a link it has
// already replaced. Sent only when it changes.
struct LinkNews
{
    std::uint64_t link = 0;
    // A host message has arrived on this link.
    bool hostHeard = false;
    // The socket reported a refusal since the last host message: nothing
    // listens at the host's port.
    bool refused = false;
    // A text that could not be sent, while nothing was sent or heard since.
    std::optional<SendFailure> failure;
    int hostVersion = 1;
    // The last command that went out, and when (milliseconds since 1970).
    std::string lastCommand{};
    std::int64_t lastCommandAt = 0;
    // When the last host message came, once the host has been quiet for
    // kQuietAfter; 0 while it talks.
    std::int64_t quietSince = 0;

    bool operator==(const LinkNews&) const = default;
};

// One open link to the host and the work of its thread: the greeting's
// pace, the message worker's turn, and the news for the window. Made and
// destroyed on the window's thread; everything else here runs on the link's
// own thread. Destroying it ends that thread first.
class LinkSession : private LinkHandler
{
public:
    // A host this long without a message is told as quiet, once.
    static constexpr std::chrono::seconds kQuietAfter{10};

    LinkSession(HostConnection& connection, std::uint64_t number, std::string remoteAddress,
                int remotePort);

    std::uint64_t number() const { return linkNumber; }
    SocketLink& link() { return socketLink; }

    // For the worker, on the link's thread: when a greeting may leave, one
    // interval after the last one, and sending it.
    Clock::time_point greetingAllowedAt() const;
    void greet();

private:
    std::optional<Clock::time_point> afterPass(SocketLink& link, LinkPass& pass) override;
    void beforeClose(SocketLink& link, const LinkPass& pass) override;
    void tell(const LinkPass& pass);
    // When the host counts as quiet, if it has been heard and is not yet.
    std::optional<Clock::time_point> quietAt() const;

    HostConnection& connection;
    const std::uint64_t linkNumber;
    std::optional<Clock::time_point> lastGreeting;
    // The worker that last had a turn here: a new one starts afresh.
    const MessageWorker* servedBy = nullptr;
    LinkNews told;
    std::optional<Clock::time_point> lastHeard;
    std::int64_t lastHeardAt = 0;
    // Last, so that its thread ends before the rest goes.
    SocketLink socketLink;
};

} // namespace pendra
