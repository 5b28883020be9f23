#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace pendra {

// Where the link to the host stands, as the operator is told it.
enum class LinkState {
    // The link is being opened.
    Connecting,
    // No link: opening failed, for the reason given.
    NotConnected,
    // Greeted, and no host message since.
    WaitingForHost,
    // A host message arrived since the greeting.
    Connected,
    // The system reported a refusal since the last host message: nothing
    // listens at the host's port.
    NoAnswer,
    // A text could not be sent, and nothing was sent or heard since; the
    // reason names the text and says why.
    SendFailed,
};

struct LinkStatus
{
    LinkState state = LinkState::NotConnected;
    // The remote address and port in use, as "A:P".
    std::string host;
    int hostVersion = 1;
    // Why there is no link, or why a text was not sent: the failed step and
    // the system's description.
    std::string reason;
    // No link, and the panel tries again every retry interval.
    bool retrying = false;
    // The host has sent a message since the greeting.
    bool hostHeard = false;
    // The last command that went out, and when (milliseconds since 1970).
    std::string lastCommand{};
    std::int64_t lastCommandAt = 0;
    // When the host's last message came, once it has been quiet for a while.
    std::int64_t quietSince = 0;

    bool operator==(const LinkStatus&) const = default;
};

// How often a panel whose link failed to open for a passing reason tries again.
inline constexpr std::chrono::seconds kRetryInterval{2};

// The status line's text, such as "Connected to 10.0.0.5:7712, host version 2;
// F4 STOP EXECUTION sent at 14:02:11; last host message 14:02:00". A text that
// was not sent stands alone.
std::string describe(const LinkStatus& status);
// Whether the readouts may be shown as live: only once the host of the link
// in use has spoken, so that numbers from before a restart never pass for
// its own. A host that is merely quiet does not count against them, since a
// measuring machine at rest sends nothing.
bool readoutsLive(LinkState state);

} // namespace pendra
