#include "panel/LinkStatus.h"

#include "net/SocketApi.h"
#include "panel/CommandNames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <array>

namespace pendra {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("LinkStatus", text);
}

QString timeOfDay(std::int64_t millisecondsSince1970)
{
    return QDateTime::fromMSecsSinceEpoch(millisecondsSince1970)
        .toString(QStringLiteral("HH:mm:ss"));
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// The link reports its failed step in English; the steps it knows are said in
// the operator's language, with the address they name.
QString stepInWords(const std::string& step)
{
    static const QRegularExpression toAddress(QStringLiteral("^Couldn't (bind|connect) to (.*)$"));
    const QRegularExpressionMatch match = toAddress.match(fromUtf8(step));
    if (match.hasMatch())
        return (match.captured(1) == QLatin1String("bind")
                    ? translated(QT_TRANSLATE_NOOP("LinkStatus", "Couldn't bind to %1"))
                    : translated(QT_TRANSLATE_NOOP("LinkStatus", "Couldn't connect to %1")))
            .arg(match.captured(2));
    static constexpr std::array<const char*, 6> kSteps{
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't initialize WSA"),
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't create socket"),
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't create events"),
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't start receive thread"),
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't watch the socket"),
        QT_TRANSLATE_NOOP("LinkStatus", "Couldn't close socket")};
    for (const char* known : kSteps) {
        if (step == known)
            return translated(known);
    }
    return fromUtf8(step);
}

// The system's description of an error, and its code.
QString systemSays(int code)
{
    return QStringLiteral("%1 (%2)").arg(fromUtf8(socketapi::errorMessage(code))).arg(code);
}

QString whyNotConnected(const LinkStatus& status)
{
    switch (status.problem) {
    case LinkProblem::NoHostAddress:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "no host address is set"));
    case LinkProblem::PanelNotReady:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "the panel is not ready"));
    default:
        //: The step of opening that failed, then the system's description and its code.
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "%1: %2"))
            .arg(stepInWords(status.subject), systemSays(status.code));
    }
}

QString describeState(const LinkStatus& status)
{
    const QString host = fromUtf8(status.host);
    switch (status.state) {
    case LinkState::Connecting:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "Connecting to %1\u2026")).arg(host);
    case LinkState::NotConnected:
        return status.retrying
                   ? translated(QT_TRANSLATE_NOOP("LinkStatus",
                                                  "Not connected: %1; trying again every %2 s"))
                         .arg(whyNotConnected(status))
                         .arg(kRetryInterval.count())
                   : translated(QT_TRANSLATE_NOOP("LinkStatus", "Not connected: %1"))
                         .arg(whyNotConnected(status));
    case LinkState::WaitingForHost:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "Waiting for the host at %1")).arg(host);
    case LinkState::Connected:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "Connected to %1, host version %2"))
            .arg(host)
            .arg(status.hostVersion);
    case LinkState::NoAnswer:
        return translated(QT_TRANSLATE_NOOP("LinkStatus",
                                            "No answer from %1: nothing listens on that port"))
            .arg(host);
    case LinkState::SendFailed:
        return translated(QT_TRANSLATE_NOOP("LinkStatus", "Not sent: %1: %2"))
            .arg(CommandNames::nameOfPanelText(status.subject), systemSays(status.code));
    }
    return {};
}

} // namespace

QStringList statusParts(const LinkStatus& status)
{
    QStringList parts{describeState(status)};
    if (status.state == LinkState::SendFailed)
        return parts;
    if (!status.lastCommand.empty())
        parts << translated(QT_TRANSLATE_NOOP("LinkStatus", "%1 sent at %2"))
                     .arg(CommandNames::nameOfPanelText(status.lastCommand),
                          timeOfDay(status.lastCommandAt));
    if (status.quietSince != 0)
        parts << translated(QT_TRANSLATE_NOOP("LinkStatus", "last host message %1"))
                     .arg(timeOfDay(status.quietSince));
    return parts;
}

QString describeStatus(const LinkStatus& status)
{
    return statusParts(status).join(QStringLiteral("; "));
}

std::string describe(const LinkStatus& status)
{
    return describeStatus(status).toStdString();
}

bool readoutsLive(LinkState state)
{
    return state == LinkState::Connected;
}

} // namespace pendra
