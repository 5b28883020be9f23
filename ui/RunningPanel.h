#pragma once

#include <QObject>
#include <QString>

namespace pendra {

// One panel per user, session and settings store. The first start holds a
// name made from them; a later start with the same name asks the holder to
// come to the front and hands over, before it reads a setting or opens a
// port. RunningPanelPosix.cpp and RunningPanelWin32.cpp hold the name the
// system's way.
class RunningPanel : public QObject
{
    Q_OBJECT

public:
    // storeLocation is ConnectionSettings::storeLocation(): panels of other
    // stores, such as the tests' and the demo's, are other panels.
    explicit RunningPanel(const QString& storeLocation, QObject* parent = nullptr);
    ~RunningPanel() override;

    // Another panel of the same name runs and was asked to come to the front:
    // this start has nothing more to do.
    bool handedOver() const { return handedOverValue; }

signals:
    // A later start asks this panel to come to the front; on this object's thread.
    void frontRequested();

private:
    // The user and the session, as this system names them.
    static QByteArray sessionIdentity();
    // Holds the name, or asks its holder to come to the front.
    void claim(const QString& name);
    void release();

    bool handedOverValue = false;
    // Watches the held name for requests; null when this start holds none.
    QObject* watcher = nullptr;
};

} // namespace pendra
