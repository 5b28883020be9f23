#include "panel/LinkStatus.h"

#include "panel/PanelProtocol.h"

#include <QDateTime>

namespace pendra {

namespace {

std::string timeOfDay(std::int64_t millisecondsSince1970)
{
    return QDateTime::fromMSecsSinceEpoch(millisecondsSince1970)
        .toString(QStringLiteral("HH:mm:ss"))
        .toStdString();
}

std::string describeState(const LinkStatus& status)
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

} // namespace

std::string describe(const LinkStatus& status)
{
    std::string text = describeState(status);
    if (status.state == LinkState::SendFailed)
        return text;
    if (!status.lastCommand.empty())
        text += "; " + nameOfPanelText(status.lastCommand) + " sent at " +
                timeOfDay(status.lastCommandAt);
    if (status.quietSince != 0)
        text += "; last host message " + timeOfDay(status.quietSince);
    return text;
}

bool readoutsLive(LinkState state)
{
    return state == LinkState::Connected;
}

} // namespace pendra
