#include "panel/LinkStatus.h"

namespace pendra {

std::string describe(const LinkStatus& status)
{
    switch (status.state) {
    case LinkState::Connecting:
        return "Connecting to " + status.host + "\u2026";
    case LinkState::NotConnected:
        return "Not connected: " + status.reason +
               (status.retrying
                    ? "; trying again every " + std::to_string(kRetryInterval.count()) + " s"
                    : std::string());
    case LinkState::WaitingForHost:
        return "Waiting for the host at " + status.host;
    case LinkState::Connected:
        return "Connected to " + status.host + ", host version " +
               std::to_string(status.hostVersion);
    case LinkState::NoAnswer:
        return "No answer from " + status.host + ": nothing listens on that port";
    case LinkState::SendFailed:
        return status.reason;
    }
    return {};
}

bool readoutsLive(LinkState state)
{
    return state == LinkState::WaitingForHost || state == LinkState::Connected;
}

} // namespace pendra
