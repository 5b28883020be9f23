#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <string>

namespace pendra {

// The panel's four connection values and where they persist per user: on
// Windows the registry key Software\Orvane\Metrova\<application>, elsewhere
// $XDG_CONFIG_HOME/Orvane/Metrova/<application>.conf. A value IT enforces wins
// over the user's; a value the user's store lacks comes from IT's defaults,
// then from the built-in ones (MachineValues). The ports stay texts until the
// link is opened.
class ConnectionSettings
{
public:
    static constexpr const char* kDefaultLocalPort = "7714";
    static constexpr const char* kDefaultRemotePort = "7712";
    static inline const QString kLocalAddressKey = QStringLiteral("Local_IP_Address");
    static inline const QString kRemoteAddressKey = QStringLiteral("Remote_IP_Address");
    static inline const QString kLocalPortKey = QStringLiteral("Local_IP_Port");
    static inline const QString kRemotePortKey = QStringLiteral("Remote_IP_Port");
    static inline const QString kDisplayErrorsKey = QStringLiteral("DisplayErrors");

    // applicationName is the executable's name without extension.
    explicit ConnectionSettings(QString applicationName);

    std::string localAddress;
    std::string remoteAddress;
    std::string localPort;
    std::string remotePort;

    // Fills the four texts and displayErrors; a value the user's store lacks
    // gives the machine's or the built-in default, and so does a store that
    // cannot be read (readProblem says why).
    void loadSettings(int& displayErrors);
    // Why the last load could not read the store, or empty.
    QString readProblem() const { return unreadable; }
    // Why the store cannot be written, as far as can be seen: a folder that
    // cannot be written, a folder where the file should be.
    QString writeProblem() const;
    // Writes to the user's store the values that differ from the machine's or
    // built-in defaults, and removes the others, leaving enforced ones as they
    // are; false when the store could not take them (a read-only folder, a
    // full disk).
    bool saveSettings(int displayErrors) const;

    // The file or registry key the values live in.
    QString storeLocation() const;
    // That store, in the format of this system.
    std::unique_ptr<QSettings> openStore() const;
    // The enforced text for key, else the user's own, else the machine-wide
    // default, else empty: for the values other parts of the panel keep
    // beside these.
    QString storedText(const QString& key) const;
    // The text IT enforces for key, or empty.
    QString enforcedText(const QString& key) const;
    bool isEnforced(const QString& key) const { return !enforcedText(key).isEmpty(); }
    // Which of the five values IT enforces, by key.
    QStringList enforcedKeys() const;
    // IT's default for key, or empty.
    QString machineText(const QString& key) const;

private:
    QString applicationName;
    QString unreadable;
};

// The name the settings and message boxes go by: the executable's file name
// without its extension.
QString executableBaseName();

// This machine's IPv4 address as dotted text: the first address of an
// interface that is up and not loopback, else the first address its host name
// resolves to, else empty.
std::string localHostAddress();

} // namespace pendra
