#include "panel/ConnectionSettings.h"

#include "net/SocketApi.h"
#include "panel/MachineValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace pendra {

namespace {

using Key = ConnectionSettings;

// The texts and their built-in defaults, in the order they are stored.
struct TextValue
{
    const QString& key;
    std::string ConnectionSettings::*text;
    const char* builtIn;
};

const TextValue kTextValues[] = {
    {Key::kLocalAddressKey, &ConnectionSettings::localAddress, ""},
    {Key::kRemoteAddressKey, &ConnectionSettings::remoteAddress, ""},
    {Key::kLocalPortKey, &ConnectionSettings::localPort, ConnectionSettings::kDefaultLocalPort},
    {Key::kRemotePortKey, &ConnectionSettings::remotePort, ConnectionSettings::kDefaultRemotePort},
};

// A stored DisplayErrors shows the readouts when it is a number other than 0.
int displayErrorsFrom(const QVariant& stored)
{
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    return isNumber && number != 0 ? 1 : 0;
}

} // namespace

ConnectionSettings::ConnectionSettings(QString name) : applicationName(std::move(name)) {}

std::unique_ptr<QSettings> ConnectionSettings::openStore() const
{
    // The registry on Windows: QSettings writes texts as REG_SZ and the int
    // DisplayErrors as REG_DWORD, the kinds earlier programs left there.
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(storeLocation(), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(storeLocation(), QSettings::IniFormat);
#endif
}

QString ConnectionSettings::storeLocation() const
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvane\\Metrova\\") + applicationName;
#else
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Orvane/Metrova/") + applicationName +
           QStringLiteral(".conf");
#endif
}

void ConnectionSettings::loadSettings(int& displayErrors)
{
    // What IT enforces first, then the user's own value, then IT's default,
    // then the built-in one.
    const auto store = openStore();
    const MachineValues enforced(applicationName, MachineValues::Rank::Enforced);
    const MachineValues machine(applicationName, MachineValues::Rank::Defaults);
    const auto inForce = [&](const QString& key, const QString& builtIn) {
        const QString rule = enforced.value(key);
        if (!rule.isEmpty())
            return QVariant(rule);
        return store->contains(key) ? store->value(key) : QVariant(machine.valueOr(key, builtIn));
    };
    for (const TextValue& value : kTextValues)
        this->*value.text =
            inForce(value.key, QString::fromLatin1(value.builtIn)).toString().toStdString();
    displayErrors = displayErrorsFrom(inForce(kDisplayErrorsKey, QStringLiteral("0")));
    // The store says what went wrong only once it has been read.
    const QString place = storeLocation();
    unreadable.clear();
    if (QFileInfo(place).isDir())
        unreadable =
            QCoreApplication::translate("ConnectionSettings", "%1 is a folder, not a settings file")
                .arg(place);
    else if (store->status() == QSettings::FormatError)
        unreadable = QCoreApplication::translate("ConnectionSettings", "%1 is not a settings file")
                         .arg(place);
    else if (store->status() != QSettings::NoError)
        unreadable =
            QCoreApplication::translate("ConnectionSettings", "%1 cannot be read").arg(place);
    else if (unreadable = enforced.problem(); unreadable.isEmpty())
        unreadable = machine.problem();
}

QString ConnectionSettings::enforcedText(const QString& key) const
{
    return MachineValues(applicationName, MachineValues::Rank::Enforced).value(key);
}

QStringList ConnectionSettings::enforcedKeys() const
{
    QStringList keys;
    for (const QString& key : {kLocalAddressKey, kRemoteAddressKey, kLocalPortKey, kRemotePortKey,
                               kDisplayErrorsKey}) {
        if (isEnforced(key))
            keys << key;
    }
    return keys;
}

QString ConnectionSettings::machineText(const QString& key) const
{
    return MachineValues(applicationName, MachineValues::Rank::Defaults).value(key);
}

QString ConnectionSettings::storedText(const QString& key) const
{
    if (const QString rule = enforcedText(key); !rule.isEmpty())
        return rule;
    const QString own = openStore()->value(key).toString();
    return own.isEmpty() ? machineText(key) : own;
}

bool ConnectionSettings::saveSettings(int displayErrors) const
{
    // Only what differs from the value in force without the user's store is
    // kept, so that a later change by IT reaches everyone who has not chosen
    // otherwise; a value set back to the machine's is removed. An enforced
    // value is left as the user had it, to count again once IT lifts the rule.
    const auto store = openStore();
    const MachineValues machine(applicationName, MachineValues::Rank::Defaults);
    for (const TextValue& value : kTextValues) {
        if (isEnforced(value.key))
            continue;
        const QString text = QString::fromStdString(this->*value.text);
        if (text == machine.valueOr(value.key, QString::fromLatin1(value.builtIn)))
            store->remove(value.key);
        else
            store->setValue(value.key, text);
    }
    const bool errorsAsMachine =
        displayErrors == displayErrorsFrom(machine.valueOr(kDisplayErrorsKey, QStringLiteral("0")));
    if (!isEnforced(kDisplayErrorsKey)) {
        if (errorsAsMachine)
            store->remove(kDisplayErrorsKey);
        else
            store->setValue(kDisplayErrorsKey, displayErrors);
    }
    store->sync();
    return store->status() == QSettings::NoError;
}

QString ConnectionSettings::writeProblem() const
{
#ifdef Q_OS_WIN
    return QCoreApplication::translate("ConnectionSettings",
                                       "the registry key %1 cannot be written")
        .arg(storeLocation());
#else
    const QFileInfo file(storeLocation());
    if (file.isDir())
        return QCoreApplication::translate("ConnectionSettings",
                                           "%1 is a folder, not a settings file")
            .arg(file.filePath());
    QFileInfo folder(file.path());
    while (!folder.exists() && folder.filePath() != folder.path())
        folder = QFileInfo(folder.path());
    if (!folder.isDir() || !folder.isWritable())
        return QCoreApplication::translate("ConnectionSettings", "the folder %1 cannot be written")
            .arg(folder.filePath());
    return QCoreApplication::translate("ConnectionSettings", "%1 cannot be written")
        .arg(file.filePath());
#endif
}

QString executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::string localHostAddress()
{
    // The interfaces answer at once; a name lookup may wait on a name server
    // that cannot be reached, with the window frozen meanwhile.
    if (const auto up = socketapi::firstInterfaceAddress())
        return socketapi::formatIPv4(*up);
    const auto named = socketapi::hostNameAddress();
    return named ? socketapi::formatIPv4(*named) : std::string();
}

} // namespace pendra
