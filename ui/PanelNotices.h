#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class QWidget;

namespace pendra {

// The boxes the panel shows about its connection and its settings. None of
// them holds anything up: each opens over the window with no loop of its own
// (the link's thread answers the host meanwhile), and one asked for before
// the window is on screen waits until it is. A box that says the connection
// failed closes by itself once a retry connects.
class PanelNotices : public QObject
{
public:
    explicit PanelNotices(QWidget* window);

    // Replaces a connection box still open.
    void connectionFailed(const QString& text);
    void connected();
    void settingsProblem(const QString& text);
    // Opens what waited for the window.
    void windowShown();

private:
    void open(QPointer<QMessageBox>& box, std::optional<QString>& waiting, const QString& text);

    QWidget* window;
    bool shown = false;
    QPointer<QMessageBox> connectionBox;
    QPointer<QMessageBox> settingsBox;
    std::optional<QString> waitingConnection;
    std::optional<QString> waitingSettings;
};

} // namespace pendra
