#include "ui/PanelApp.h"

#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "ui/EndRequests.h"
#include "ui/PanelWindow.h"
#include "ui/RunningPanel.h"

namespace pendra {

int PanelApp::run()
{
    ConnectionSettings settings(executableBaseName());
    // Before a setting is read or a port opened: a second start only brings
    // the running panel to the front. Let go of last, after the link's port.
    RunningPanel runningPanel(settings.storeLocation());
    if (runningPanel.handedOver())
        return 0;
    // Outlives the window; whatever link is left when the program ends is closed with it.
    HostConnection connection(settings);
    PanelWindow window(connection, settings);
    QObject::connect(&runningPanel, &RunningPanel::frontRequested, &window,
                     &PanelWindow::bringToFront);
    // A signal or the session's end closes the panel as Exit does.
    const EndRequests endRequests([&window] { window.reject(); });
    window.exec();
    return 0;
}

} // namespace pendra
