#pragma once

#include <QString>
#include <QStringList>
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

// Why there is no link, or why a text was not sent.
enum class LinkProblem {
    None,
    NoHostAddress,
    PanelNotReady,
    // A step of opening failed: the subject names it, the code says why.
    OpenFailed,
    // A text could not be sent: the subject is the text, the code says why.
    NotSent,
};

// The parts the status line is made of. They are facts, not sentences: the
// window's thread puts them into words in the operator's language.
struct LinkStatus
{
    LinkState state = LinkState::NotConnected;
    // The remote address and port in use, as "A:P".
    std::string host;
    int hostVersion = 1;
    LinkProblem problem = LinkProblem::None;
    // The step of opening as the link reports it ("Couldn't bind to
    // 10.1.2.3"), or the text that was not sent, as it goes on the wire.
    std::string subject{};
    // The system's error code behind the problem.
    int code = 0;
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

// The status line's text in the language installed, such as "Connected to
// 10.0.0.5:7712, host version 2; F4 STOP EXECUTION sent at 14:02:11; last host
// message 14:02:00". It leads with the state of the link; a text that was not
// sent stands alone. Called on the window's thread.
QString describeStatus(const LinkStatus& status);
// Its parts, joined by "; ": the state of the link first, then the last
// command and the host's last message, where there are.
QStringList statusParts(const LinkStatus& status);
// The same, as UTF-8.
std::string describe(const LinkStatus& status);
// Whether the readouts may be shown as live: only once the host of the link
// in use has spoken, so that numbers from before a restart never pass for
// its own. A host that is merely quiet does not count against them, since a
// measuring machine at rest sends nothing.
bool readoutsLive(LinkState state);

} // namespace pendra
