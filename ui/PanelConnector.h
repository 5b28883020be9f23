#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace pendra {

class ConnectionSettings;
class HostConnection;
class PanelNotices;

// The window's side of connecting: a failure is told in a box that never
// holds the panel up, one that can pass by itself (the address is not up
// yet, the port is taken) is tried again every retry interval, silently, and
// the box goes once a retry connects. A store that refuses values the
// operator set in Setup is told too; values stored back unchanged are not.
class PanelConnector : public QObject
{
    Q_OBJECT

public:
    PanelConnector(QWidget* window, HostConnection& connection, ConnectionSettings& settings,
                   std::function<int()> displayErrors);

    PanelNotices& notices() { return *boxes; }
    void connectAndGreet();
    // The values in the settings are the operator's, from Setup.
    void noteOperatorValues() { operatorSetValues = true; }
    void stopRetrying() { retryTimer.stop(); }

private:
    bool tryConnecting();

    HostConnection& connection;
    ConnectionSettings& settings;
    std::function<int()> displayErrors;
    PanelNotices* boxes;
    QTimer retryTimer;
    bool operatorSetValues = false;
};

} // namespace pendra
