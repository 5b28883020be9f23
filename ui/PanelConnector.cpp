#include "ui/PanelConnector.h"

#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "ui/PanelNotices.h"

#include <QWidget>

namespace pendra {

PanelConnector::PanelConnector(QWidget* window, HostConnection& hostConnection,
                               ConnectionSettings& connectionSettings,
                               std::function<int()> displayErrorsValue)
    : QObject(window), connection(hostConnection), settings(connectionSettings),
      displayErrors(std::move(displayErrorsValue)), boxes(new PanelNotices(window))
{
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(kRetryInterval);
    connect(&retryTimer, &QTimer::timeout, this, [this] { tryConnecting(); });
}

void PanelConnector::connectAndGreet()
{
    retryTimer.stop();
    if (tryConnecting())
        return;
    // The code as it always was, then what it means.
    QString text = QString::fromStdString(connection.failureMessage()) + QLatin1Char('\n') +
                   QString::fromStdString(connection.failureDescription());
    if (settings.remoteAddress.empty())
        text += QLatin1Char('\n') + tr("No host address is set: open Options, Setup.");
    boxes->connectionFailed(text);
}

bool PanelConnector::tryConnecting()
{
    if (!connection.connectAndGreet(displayErrors())) {
        if (connection.failureMayPass())
            retryTimer.start();
        return false;
    }
    boxes->connected();
    // Values read from the store and stored back unchanged lose nothing
    // when the store refuses them; values the operator typed do.
    if (std::exchange(operatorSetValues, false) && connection.settingsNotSaved())
        boxes->settingsProblem(tr("The settings could not be saved: %1.\nThe connection works "
                                  "with them, but they will not be there at the next start.")
                                   .arg(settings.writeProblem()));
    return true;
}

} // namespace pendra
