#include "net/SocketApi.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pendra::socketapi {

namespace {

// Handles and wait handles are file descriptors here.
int fd(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

sockaddr_in toSockaddr(const Endpoint& endpoint)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(endpoint.port);
    address.sin_addr.s_addr = htonl(endpoint.address);
    return address;
}

// Waits at most the given time until the socket shows one of the events.
bool waitForEvents(Handle socket, short events, std::chrono::microseconds timeout)
{
    pollfd entry{fd(socket), events, 0};
#ifdef __linux__
    const auto seconds = std::chrono::floor<std::chrono::seconds>(timeout);
    const timespec bound{static_cast<time_t>(seconds.count()),
                         static_cast<long>((timeout - seconds).count() * 1000)};
    return ::ppoll(&entry, 1, &bound, nullptr) > 0;
#else
    // poll counts in milliseconds; a sub-millisecond bound rounds up to one.
    const auto bound = std::chrono::ceil<std::chrono::milliseconds>(timeout);
    return ::poll(&entry, 1, static_cast<int>(bound.count())) > 0;
#endif
}

} // namespace

int invalidArgumentCode()
{
    return EINVAL;
}

int lastError()
{
    return errno;
}

std::string errorMessage(int code)
{
    return std::strerror(code);
}

// POSIX sockets need no library start-up.
int startLibrary()
{
    return 0;
}

void releaseLibrary() {}

namespace system {

std::optional<std::string> hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return std::nullopt;
    return std::string(name);
}

std::optional<std::uint32_t> firstInterfaceAddress()
{
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0)
        return std::nullopt;
    std::optional<std::uint32_t> address;
    for (const ifaddrs* entry = interfaces; entry && !address; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        if (!(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK))
            continue;
        address = ntohl(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr);
    }
    ::freeifaddrs(interfaces);
    return address;
}

std::optional<std::uint32_t> firstAddressOf(const std::string& name)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || !found)
        return std::nullopt;
    // Asked for IPv4 alone, every answer is an IPv4 address.
    const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t address = ntohl(first->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return address;
}

} // namespace system

Handle createSocket(bool datagram)
{
    const int created = ::socket(AF_INET, (datagram ? SOCK_DGRAM : SOCK_STREAM) | SOCK_CLOEXEC, 0);
    return created < 0 ? kNoSocket : created;
}

void setReceiveBufferSize(Handle socket, int bytes)
{
    ::setsockopt(fd(socket), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
}

int receiveBufferSize(Handle socket)
{
    int bytes = 0;
    socklen_t length = sizeof bytes;
    return ::getsockopt(fd(socket), SOL_SOCKET, SO_RCVBUF, &bytes, &length) == 0 ? bytes : 0;
}

bool setNonBlocking(Handle socket)
{
    const int flags = ::fcntl(fd(socket), F_GETFL);
    return flags >= 0 && ::fcntl(fd(socket), F_SETFL, flags | O_NONBLOCK) == 0;
}

bool bindTo(Handle socket, const Endpoint& endpoint)
{
    const sockaddr_in address = toSockaddr(endpoint);
    return ::bind(fd(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool connectTo(Handle socket, const Endpoint& endpoint)
{
    const sockaddr_in address = toSockaddr(endpoint);
    int result;
    do {
        result = ::connect(fd(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

std::optional<Endpoint> localEndpoint(Handle socket)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(fd(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return std::nullopt;
    return Endpoint{ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
}

bool shutdownBoth(Handle socket)
{
    // A datagram socket that never connected reports ENOTCONN; there is
    // nothing to shut down then.
    return ::shutdown(fd(socket), SHUT_RDWR) == 0 || errno == ENOTCONN;
}

bool closeSocket(Handle socket)
{
    return ::close(fd(socket)) == 0;
}

void waitWritable(Handle socket, std::chrono::microseconds timeout)
{
    waitForEvents(socket, POLLOUT, timeout);
}

bool waitReadable(Handle socket, std::chrono::microseconds timeout)
{
    return waitForEvents(socket, POLLIN, timeout);
}

int sendBytes(Handle socket, const char* bytes, int count)
{
    const ssize_t sent = ::send(fd(socket), bytes, static_cast<size_t>(count), MSG_NOSIGNAL);
    return sent < 0 ? -1 : static_cast<int>(sent);
}

int sendBytesTo(Handle socket, const char* bytes, int count, const Endpoint& to)
{
    const sockaddr_in address = toSockaddr(to);
    const ssize_t sent = ::sendto(fd(socket), bytes, static_cast<size_t>(count), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return sent < 0 ? -1 : static_cast<int>(sent);
}

bool isWouldBlock(int code)
{
    return code == EAGAIN || code == EWOULDBLOCK;
}

bool isRefusal(int code)
{
    return code == ECONNREFUSED;
}

bool mayPass(int code)
{
    return code == EADDRNOTAVAIL || code == EADDRINUSE || code == ENETDOWN || code == ENETUNREACH ||
           code == EHOSTUNREACH;
}

int receiveOnce(Handle socket, char* buffer, int capacity, bool datagram, Endpoint* from)
{
    // MSG_TRUNC makes a datagram socket report the datagram's real length,
    // so one that did not fit is recognised and dropped rather than cut.
    sockaddr_in sender{};
    socklen_t senderLength = sizeof sender;
    const ssize_t received = ::recvfrom(
        fd(socket), buffer, static_cast<size_t>(capacity), datagram ? MSG_TRUNC : 0,
        from ? reinterpret_cast<sockaddr*>(&sender) : nullptr, from ? &senderLength : nullptr);
    if (received > capacity)
        errno = EMSGSIZE;
    if (received < 0 || received > capacity)
        return -1;
    if (from)
        *from = Endpoint{ntohl(sender.sin_addr.s_addr), ntohs(sender.sin_port)};
    return static_cast<int>(received);
}

bool watchShowsEveryDatagram()
{
    return true;
}

// poll watches the socket itself: there is nothing to set up.
std::optional<ReadWatch> startReadWatch(Handle socket)
{
    return ReadWatch{socket, -1};
}

void endReadWatch(const ReadWatch&) {}

WaitResult waitForAny(const ReadWatch& watch, WaitHandle wake, std::chrono::milliseconds timeout)
{
    pollfd entries[2] = {{fd(watch.socket), POLLIN, 0}, {fd(wake), POLLIN, 0}};
    WaitResult result;
    const int ready =
        ::poll(entries, 2, timeout < timeout.zero() ? -1 : static_cast<int>(timeout.count()));
    if (ready < 0) {
        result.failed = errno != EINTR;
        return result;
    }
    result.dataReady = entries[0].revents != 0;
    result.woken = entries[1].revents != 0;
    return result;
}

} // namespace pendra::socketapi
