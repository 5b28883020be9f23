#pragma once

#include <QString>
#include <QStringList>

namespace pendra {

// The connection values that IT sets once for every user of a PC: on Windows
// the registry key HKEY_LOCAL_MACHINE\Software\Orvane\Metrova\<application>,
// elsewhere Orvane/Metrova/<application>.conf in each folder of
// $XDG_CONFIG_DIRS (/etc/xdg when unset). They rank below the user's own
// values and above the built-in defaults. The panel only reads them.
class MachineDefaults
{
public:
    explicit MachineDefaults(QString name) : applicationName(std::move(name)) {}

    // The machine-wide text for key, from the first place that sets it; empty
    // when none does, as an empty value counts as unset. A number in the
    // registry comes as its decimal text.
    QString value(const QString& key) const;
    // value(key), or fallback when that is empty.
    QString valueOr(const QString& key, const QString& fallback) const
    {
        const QString text = value(key);
        return text.isEmpty() ? fallback : text;
    }
    // Where the values are looked for, the most important first.
    QStringList places() const;
    // Why a place that is there cannot be read, or empty.
    QString problem() const;

private:
    QString applicationName;
};

} // namespace pendra
