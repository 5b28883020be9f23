#pragma once

#include "panel/ConnectionSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

namespace pendra::test {

// A settings store for one test alone: a temporary XDG_CONFIG_HOME on Linux,
// and an application name no other test process uses, since the Windows
// registry is one for all of them. Removed again at the end.
class ScratchSettings
{
public:
    ScratchSettings()
        : applicationName(QStringLiteral("pendra-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(++counter)),
          savedConfigHome(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }

    ~ScratchSettings()
    {
        store()->clear();
#ifdef Q_OS_WIN
        QSettings folder(QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvane\\Metrova"),
                         QSettings::NativeFormat);
        folder.remove(applicationName);
        folder.remove(siblingName());
#endif
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }

    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    bool isValid() const
    {
        return configHome.isValid();
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
    QString configHomePath() const
    {
        return configHome.path();
    }

private:
    static inline std::atomic<int> counter{0};
    QTemporaryDir configHome;
    QString applicationName;
    QByteArray savedConfigHome;
};

} // namespace pendra::test
