#pragma once

#include <QString>
#include <QStringList>

namespace pendra {

// The values that IT sets once for every user of a PC, only ever read here.
// Defaults rank below the user's own values and above the built-in ones; on
// Windows they sit under HKEY_LOCAL_MACHINE\Software\Orvane\Metrova\<application>,
// elsewhere in Orvane/Metrova/<application>.conf in each folder of
// $XDG_CONFIG_DIRS (/etc/xdg when unset). Enforced values (group policy) win
// over the user's own; they sit under
// HKEY_LOCAL_MACHINE\Software\Policies\Orvane\Metrova\<application>, or in
// Orvane/Metrova/<application>-policy.conf in the same folders.
class MachineValues
{
public:
    enum class Rank { Defaults, Enforced };

    MachineValues(QString name, Rank rank) : applicationName(std::move(name)), valueRank(rank) {}

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
    Rank valueRank;
};

} // namespace pendra
