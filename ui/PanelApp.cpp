#include "ui/PanelApp.h"

#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "ui/EndRequests.h"
#include "ui/PanelWindow.h"

namespace pendra {

int PanelApp::run()
{
    ConnectionSettings settings(executableBaseName());
    // Outlives the window; whatever link is left when the program ends is closed with it.
    HostConnection connection(settings);
    PanelWindow window(connection, settings);
    // A signal or the session's end closes the panel as Exit does.
    const EndRequests endRequests([&window] { window.reject(); });
    window.exec();
    return 0;
}

} // namespace pendra
