#include "ui/RunningPanel.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pendra {

namespace {

// A later start waits this long for the running panel's answer: its window's
// thread may be busy for a moment, starting up or opening a box.
constexpr int kAnswerMilliseconds = 5000;
// Binding again after the holder was found gone: it may have just ended.
constexpr int kTries = 3;

// A name in Linux's abstract namespace: no file, so none is left behind
// when a panel ends by a crash.
struct AbstractName
{
    sockaddr_un address{};
    socklen_t length = 0;

    explicit AbstractName(const QByteArray& name)
    {
        address.sun_family = AF_UNIX;
        const auto size =
            std::min(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1);
        std::memcpy(address.sun_path + 1, name.constData(), size);
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

// Anyone may take an abstract name: only a holder or caller of this user counts.
bool isOwnUser(int socket)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           peer.uid == ::getuid();
}

enum class Knock { Answered, Gone, Stranger };

// Asks the holder of the name to come to the front.
Knock knock(const AbstractName& name)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return Knock::Gone;
    Knock result = Knock::Gone;
    if (::connect(socket, name.get(), name.length) == 0) {
        pollfd answer{socket, POLLIN, 0};
        char byte = 0;
        if (!isOwnUser(socket))
            result = Knock::Stranger;
        // A holder that is slow to answer still takes the request when it can.
        else if (const int ready = ::poll(&answer, 1, kAnswerMilliseconds);
                 ready == 0 || (ready > 0 && ::recv(socket, &byte, 1, 0) == 1))
            result = Knock::Answered;
    }
    ::close(socket);
    return result;
}

} // namespace

QByteArray RunningPanel::sessionIdentity()
{
    // A user's sessions show on displays of their own, and a panel belongs to
    // the display it shows on. (XDG_SESSION_ID is left out: programs the
    // desktop starts through systemd's user manager do not all carry it.)
    QByteArray display = qgetenv("DISPLAY");
    // ":0.0" is ":0".
    if (const auto dot = display.lastIndexOf('.'); dot > display.lastIndexOf(':'))
        display.truncate(dot);
    return QByteArray::number(::getuid()) + '\n' + qgetenv("WAYLAND_DISPLAY") + '\n' + display;
}

void RunningPanel::claim(const QString& text)
{
    const AbstractName name(text.toUtf8());
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (socket < 0)
            break;
        if (::bind(socket, name.get(), name.length) == 0 && ::listen(socket, 8) == 0) {
            auto* notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, socket] {
                bool asked = false;
                for (int caller; (caller = ::accept4(socket, nullptr, nullptr,
                                                     SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
                    if (isOwnUser(caller)) {
                        const char answer = 1;
                        // One that gave up waiting has closed its end: no SIGPIPE.
                        ::send(caller, &answer, 1, MSG_NOSIGNAL);
                        asked = true;
                    }
                    ::close(caller);
                }
                if (asked)
                    emit frontRequested();
            });
            watcher = notifier;
            return;
        }
        const int error = errno;
        ::close(socket);
        if (error != EADDRINUSE)
            break;
        switch (knock(name)) {
        case Knock::Answered:
            handedOverValue = true;
            return;
        case Knock::Stranger:
            qWarning("pendra: the name %s is held by another user: this panel runs without it",
                     qUtf8Printable(text));
            return;
        case Knock::Gone:
            break;
        }
    }
    // The panel runs anyway; only a second start would not find it.
    qWarning("pendra: could not hold the name %s", qUtf8Printable(text));
}

void RunningPanel::release()
{
    if (auto* notifier = qobject_cast<QSocketNotifier*>(watcher)) {
        const auto socket = static_cast<int>(notifier->socket());
        // The notifier goes before the socket it watches.
        delete notifier;
        ::close(socket);
    }
    watcher = nullptr;
}

} // namespace pendra
