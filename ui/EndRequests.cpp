#include "ui/EndRequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <utility>

namespace pendra {

EndRequests::EndRequests(std::function<void()> end, QObject* parent)
    : QObject(parent), endPanel(std::move(end))
{
    // Log-off or shut-down: the session asks before it ends the program.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(
            application, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { requested(); }, Qt::DirectConnection);
    watchSignals();
}

EndRequests::~EndRequests()
{
    stopWatchingSignals();
}

void EndRequests::requested()
{
    // A second request while the first is carried out changes nothing.
    if (std::exchange(ended, true))
        return;
    endPanel();
}

} // namespace pendra
