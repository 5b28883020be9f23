#pragma once

#include "panel/ConnectionSettings.h"
#include "panel/MachineValues.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

namespace pendra::test {

// A settings store for one test alone, with machine-wide defaults of its own:
// a temporary XDG_CONFIG_HOME and XDG_CONFIG_DIRS on Linux, and an
// application name no other test process uses, since the Windows registry is
// one for all of them. Removed again at the end.
class ScratchSettings
{
public:
    ScratchSettings()
        : applicationName(QStringLiteral("pendra-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(++counter)),
          savedConfigHome(qgetenv("XDG_CONFIG_HOME")), savedConfigDirs(qgetenv("XDG_CONFIG_DIRS"))
    {
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", machineFolder.path().toUtf8());
    }

    ~ScratchSettings()
    {
        store()->clear();
#ifdef Q_OS_WIN
        QSettings folder(QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvane\\Metrova"),
                         QSettings::NativeFormat);
        folder.remove(applicationName);
        folder.remove(siblingName());
        QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Orvane\\Metrova"),
                  QSettings::NativeFormat)
            .remove(applicationName);
        QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Policies\\Orvane\\Metrova"),
                  QSettings::NativeFormat)
            .remove(applicationName);
#endif
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
        qputenv("XDG_CONFIG_DIRS", savedConfigDirs);
    }

    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    bool isValid() const
    {
        return configHome.isValid() && machineFolder.isValid();
    }
    const QString& name() const
    {
        return applicationName;
    }
    // A second executable's name, beside this one's store.
    QString siblingName() const
    {
        return applicationName + QStringLiteral("-other");
    }
    std::unique_ptr<QSettings> store() const
    {
        return ConnectionSettings(name()).openStore();
    }
    void set(const QString& key, const QVariant& value) const
    {
        store()->setValue(key, value);
    }
    // A machine-wide default, as IT or the installer sets it.
    void setMachine(const QString& key, const QVariant& value) const
    {
        setAt(MachineValues::Rank::Defaults, key, value);
    }
    // A value IT enforces, as group policy sets it.
    void setEnforced(const QString& key, const QVariant& value) const
    {
        setAt(MachineValues::Rank::Enforced, key, value);
    }
    void setAt(MachineValues::Rank rank, const QString& key, const QVariant& value) const
    {
        const QString place = MachineValues(name(), rank).places().front();
#ifdef Q_OS_WIN
        QSettings(place, QSettings::NativeFormat).setValue(key, value);
#else
        QSettings(place, QSettings::IniFormat).setValue(key, value);
#endif
    }
    QString configHomePath() const
    {
        return configHome.path();
    }

private:
    static inline std::atomic<int> counter{0};
    QTemporaryDir configHome;
    QTemporaryDir machineFolder;
    QString applicationName;
    QByteArray savedConfigHome;
    QByteArray savedConfigDirs;
};

} // namespace pendra::test
