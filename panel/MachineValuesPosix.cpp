#include "panel/MachineValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace pendra {

QStringList MachineValues::places() const
{
    // The folders as the desktop's base directories name them; a relative
    // one is ignored, as it would depend on where the panel was started.
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/etc/xdg");
    const QString suffix = valueRank == Rank::Enforced ? QStringLiteral("-policy.conf")
                                                       : QStringLiteral(".conf");
    QStringList files;
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            files << folder + QStringLiteral("/Orvane/Metrova/") + applicationName + suffix;
    }
    return files;
}

QString MachineValues::value(const QString& key) const
{
    for (const QString& file : places()) {
        if (!QFileInfo(file).isFile())
            continue;
        const QSettings store(file, QSettings::IniFormat);
        const QString text = store.value(key).toString();
        if (!text.isEmpty())
            return text;
    }
    return {};
}

QString MachineValues::problem() const
{
    for (const QString& file : places()) {
        const QFileInfo place(file);
        if (place.isDir())
            return QCoreApplication::translate("ConnectionSettings",
                                               "%1 is a folder, not a settings file")
                .arg(file);
        if (!place.exists())
            continue;
        const QSettings store(file, QSettings::IniFormat);
        if (!place.isReadable() || store.status() == QSettings::AccessError)
            return QCoreApplication::translate("ConnectionSettings", "%1 cannot be read").arg(file);
        if (store.status() == QSettings::FormatError)
            return QCoreApplication::translate("ConnectionSettings", "%1 is not a settings file")
                .arg(file);
    }
    return {};
}

} // namespace pendra
