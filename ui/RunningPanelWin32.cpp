#include "ui/RunningPanel.h"

#include <QWinEventNotifier>
#include <iterator>
#include <windows.h>

namespace pendra {

QByteArray RunningPanel::sessionIdentity()
{
    // Names under Local\ are the session's own already; the user's name keeps
    // apart users who share one (a program started with "Run as").
    wchar_t name[257];
    DWORD length = std::size(name);
    if (!::GetUserNameW(name, &length) || length == 0)
        return {};
    return QString::fromWCharArray(name, static_cast<int>(length) - 1).toUtf8();
}

void RunningPanel::claim(const QString& text)
{
    const QString name = QStringLiteral("Local\\") + text;
    // Auto-reset: each request raises the panel once.
    HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!event) {
        // Another user's object of that name; the panel runs without one.
        qWarning("pendra: could not hold the name %s (error %lu)", qUtf8Printable(name),
                 ::GetLastError());
        return;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Windows lets a program take the foreground only when the one the
        // user just started lets it.
        ::AllowSetForegroundWindow(ASFW_ANY);
        ::SetEvent(event);
        ::CloseHandle(event);
        handedOverValue = true;
        return;
    }
    auto* notifier = new QWinEventNotifier(event, this);
    connect(notifier, &QWinEventNotifier::activated, this, &RunningPanel::frontRequested);
    watcher = notifier;
}

void RunningPanel::release()
{
    if (auto* notifier = qobject_cast<QWinEventNotifier*>(watcher)) {
        HANDLE event = notifier->handle();
        // The notifier goes before the event it waits on.
        delete notifier;
        ::CloseHandle(event);
    }
    watcher = nullptr;
}

} // namespace pendra
