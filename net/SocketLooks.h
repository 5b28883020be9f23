#pragma once

#include "net/LinkHandler.h"

#include <chrono>
#include <optional>

namespace pendra {

// When the link's thread looks at its socket without being signalled. A
// refusal of what was sent may wait in the socket without signalling it
// (wine hands it to the next receive only, or keeps it), and after a refused
// send wine's socket signals no datagram until the panel sends again. So a
// send that no datagram follows is looked after: first kFirstLook later,
// then each time twice as late, at most kLongestGap apart. Until the host
// has been heard on this link, or after a refusal, the looks go on until it
// speaks; otherwise they end after kLooksWithoutRefusal that found nothing.
// Each datagram puts the look off, so a host that talks costs none. One per
// opening, kept by the link's thread alone.
class SocketLooks
{
public:
    using Clock = LinkHandler::Clock;
    static constexpr std::chrono::milliseconds kFirstLook{100};
    static constexpr std::chrono::milliseconds kLongestGap{2000};
    static constexpr int kLooksWithoutRefusal = 4;

    // The time of the next look, if one is owed.
    std::optional<Clock::time_point> next() const { return look; }
    bool isDue(Clock::time_point now) const { return look && now >= *look; }
    // Takes in what a pass did, and whether it was a look.
    void afterPass(const LinkPass& pass, bool looked, Clock::time_point now);

private:
    std::optional<Clock::time_point> look;
    std::chrono::milliseconds gap = kFirstLook;
    int quietLooks = 0;
    // The last thing the socket reported was a refusal rather than a datagram.
    bool refusedLast = false;
    bool hostHeard = false;
};

} // namespace pendra
