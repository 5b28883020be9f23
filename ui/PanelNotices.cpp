#include "ui/PanelNotices.h"

#include "panel/ConnectionSettings.h"

namespace pendra {

PanelNotices::PanelNotices(QWidget* panelWindow) : QObject(panelWindow), window(panelWindow) {}

void PanelNotices::connectionFailed(const QString& text)
{
    open(connectionBox, waitingConnection, text);
}

void PanelNotices::connected()
{
    waitingConnection.reset();
    if (connectionBox)
        connectionBox->close();
}

void PanelNotices::settingsProblem(const QString& text)
{
    open(settingsBox, waitingSettings, text);
}

void PanelNotices::windowShown()
{
    shown = true;
    if (const auto text = std::exchange(waitingSettings, std::nullopt))
        open(settingsBox, waitingSettings, *text);
    if (const auto text = std::exchange(waitingConnection, std::nullopt))
        open(connectionBox, waitingConnection, *text);
}

void PanelNotices::open(QPointer<QMessageBox>& box, std::optional<QString>& waiting,
                        const QString& text)
{
    if (!shown) {
        waiting = text;
        return;
    }
    if (box)
        box->close();
    // The program's message box: a warning with only OK, captioned with the
    // executable's name, the panel disabled while it is open.
    box =
        new QMessageBox(QMessageBox::Warning, executableBaseName(), text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace pendra
