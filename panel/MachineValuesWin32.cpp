#include "panel/MachineValues.h"

#include <QCoreApplication>
#include <string>
#include <windows.h>

namespace pendra {

namespace {

const QString kMachineKey = QStringLiteral("HKEY_LOCAL_MACHINE\\");

// The key below HKEY_LOCAL_MACHINE, opened for reading only: the panel never
// creates it, and the 64-bit view is the one the installer writes.
class MachineKey
{
public:
    explicit MachineKey(const QString& path)
    {
        const std::wstring subKey = path.mid(kMachineKey.size()).toStdWString();
        status = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0,
                                 KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key);
    }
    ~MachineKey()
    {
        if (status == ERROR_SUCCESS)
            ::RegCloseKey(key);
    }
    MachineKey(const MachineKey&) = delete;
    MachineKey& operator=(const MachineKey&) = delete;

    LSTATUS status = ERROR_FILE_NOT_FOUND;
    HKEY key = nullptr;
};

} // namespace

QStringList MachineValues::places() const
{
    const QString policies =
        valueRank == Rank::Enforced ? QStringLiteral("Policies\\") : QString();
    return {kMachineKey + QStringLiteral("Software\\") + policies +
            QStringLiteral("Orvane\\Metrova\\") + applicationName};
}

QString MachineValues::value(const QString& name) const
{
    const MachineKey machine(places().front());
    if (machine.status != ERROR_SUCCESS)
        return {};
    const std::wstring valueName = name.toStdWString();
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExW(machine.key, valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    if (type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof number;
        if (::RegQueryValueExW(machine.key, valueName.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS)
            return {};
        return QString::number(number);
    }
    if (type != REG_SZ)
        return {};
    // The text may lack its terminating zero; one more character makes room.
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(machine.key, valueName.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return QString::fromStdWString(text);
}

QString MachineValues::problem() const
{
    const MachineKey machine(places().front());
    if (machine.status == ERROR_SUCCESS || machine.status == ERROR_FILE_NOT_FOUND)
        return {};
    return QCoreApplication::translate("ConnectionSettings", "the registry key %1 cannot be read")
        .arg(places().front());
}

} // namespace pendra
