#include "net/SocketApi.h"

#include <vector>
// iphlpapi.h declares the adapter records only after winsock2.h.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on

namespace pendra::socketapi {

namespace {

SOCKET sock(Handle socket)
{
    return static_cast<SOCKET>(socket);
}

WSAEVENT event(WaitHandle handle)
{
    return reinterpret_cast<WSAEVENT>(handle);
}

sockaddr_in toSockaddr(const Endpoint& endpoint)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(endpoint.port);
    address.sin_addr.s_addr = htonl(endpoint.address);
    return address;
}

// Waits at most the given time until the socket is in the set asked for.
bool waitForSet(Handle socket, bool writable, std::chrono::microseconds timeout)
{
    fd_set watched;
    FD_ZERO(&watched);
    FD_SET(sock(socket), &watched);
    const auto seconds = std::chrono::floor<std::chrono::seconds>(timeout);
    timeval bound{static_cast<long>(seconds.count()),
                  static_cast<long>((timeout - seconds).count())};
    return ::select(0, writable ? nullptr : &watched, writable ? &watched : nullptr, nullptr,
                    &bound) > 0;
}

} // namespace

int invalidArgumentCode()
{
    return WSAEINVAL;
}

int lastError()
{
    return ::WSAGetLastError();
}

std::string errorMessage(int code)
{
    char text[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

// Windows Sockets counts its users: each successful start needs one release.
int startLibrary()
{
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data);
}

void releaseLibrary()
{
    ::WSACleanup();
}

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
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    // The list's size is known only after a call; it may grow in between.
    ULONG size = 16 * 1024;
    std::vector<unsigned char> area;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        area.resize(size);
        result = ::GetAdaptersAddresses(
            AF_INET, flags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(area.data()), &size);
    }
    if (result != NO_ERROR)
        return std::nullopt;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(area.data()); adapter;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK)
            continue;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const sockaddr* found = unicast->Address.lpSockaddr;
            if (found && found->sa_family == AF_INET)
                return ntohl(reinterpret_cast<const sockaddr_in*>(found)->sin_addr.s_addr);
        }
    }
    return std::nullopt;
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
    // Not inherited by child processes, as SOCK_CLOEXEC on POSIX; overlapped,
    // as socket() makes them.
    const SOCKET created = ::WSASocketW(AF_INET, datagram ? SOCK_DGRAM : SOCK_STREAM, 0, nullptr, 0,
                                        WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    return created == INVALID_SOCKET ? kNoSocket : static_cast<Handle>(created);
}

void setReceiveBufferSize(Handle socket, int bytes)
{
    ::setsockopt(sock(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&bytes),
                 sizeof bytes);
}

int receiveBufferSize(Handle socket)
{
    int bytes = 0;
    int length = sizeof bytes;
    return ::getsockopt(sock(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&bytes),
                        &length) == 0
               ? bytes
               : 0;
}

bool setNonBlocking(Handle socket)
{
    u_long on = 1;
    return ::ioctlsocket(sock(socket), FIONBIO, &on) == 0;
}

bool bindTo(Handle socket, const Endpoint& endpoint)
{
    // Without it another program could bind the same port with SO_REUSEADDR
    // and take the host's datagrams away from the panel.
    const BOOL exclusive = TRUE;
    if (::setsockopt(sock(socket), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                     reinterpret_cast<const char*>(&exclusive), sizeof exclusive) != 0)
        return false;
    const sockaddr_in address = toSockaddr(endpoint);
    return ::bind(sock(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool connectTo(Handle socket, const Endpoint& endpoint)
{
    const sockaddr_in address = toSockaddr(endpoint);
    return ::connect(sock(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) ==
           0;
}

std::optional<Endpoint> localEndpoint(Handle socket)
{
    sockaddr_in address{};
    int length = sizeof address;
    if (::getsockname(sock(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return std::nullopt;
    return Endpoint{ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
}

bool shutdownBoth(Handle socket)
{
    // A datagram socket that never connected reports WSAENOTCONN; there is
    // nothing to shut down then.
    return ::shutdown(sock(socket), SD_BOTH) == 0 || ::WSAGetLastError() == WSAENOTCONN;
}

bool closeSocket(Handle socket)
{
    return ::closesocket(sock(socket)) == 0;
}

void waitWritable(Handle socket, std::chrono::microseconds timeout)
{
    waitForSet(socket, true, timeout);
}

bool waitReadable(Handle socket, std::chrono::microseconds timeout)
{
    return waitForSet(socket, false, timeout);
}

int sendBytes(Handle socket, const char* bytes, int count)
{
    const int sent = ::send(sock(socket), bytes, count, 0);
    return sent == SOCKET_ERROR ? -1 : sent;
}

int sendBytesTo(Handle socket, const char* bytes, int count, const Endpoint& to)
{
    const sockaddr_in address = toSockaddr(to);
    const int sent = ::sendto(sock(socket), bytes, count, 0,
                              reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return sent == SOCKET_ERROR ? -1 : sent;
}

bool isWouldBlock(int code)
{
    return code == WSAEWOULDBLOCK;
}

bool isRefusal(int code)
{
    // A refused datagram is reported to the next receive as WSAECONNRESET.
    return code == WSAECONNRESET || code == WSAECONNREFUSED;
}

bool mayPass(int code)
{
    return code == WSAEADDRNOTAVAIL || code == WSAEADDRINUSE || code == WSAENETDOWN ||
           code == WSAENETUNREACH || code == WSAEHOSTUNREACH;
}

int receiveOnce(Handle socket, char* buffer, int capacity, bool /*datagram*/, Endpoint* from)
{
    // A datagram longer than capacity fails with WSAEMSGSIZE and is discarded
    // whole. WSAECONNRESET on a datagram socket is the system passing on an
    // ICMP refusal of an earlier send: there is no data behind it.
    sockaddr_in sender{};
    int senderLength = sizeof sender;
    const int received = ::recvfrom(sock(socket), buffer, capacity, 0,
                                    from ? reinterpret_cast<sockaddr*>(&sender) : nullptr,
                                    from ? &senderLength : nullptr);
    if (received == SOCKET_ERROR)
        return -1;
    if (from)
        *from = Endpoint{ntohl(sender.sin_addr.s_addr), ntohs(sender.sin_port)};
    return received;
}

bool watchShowsEveryDatagram()
{
    return false;
}

std::optional<ReadWatch> startReadWatch(Handle socket)
{
    // Auto-reset: the wait that reports it clears it, so a datagram costs
    // no call to reset it. A receive re-arms FD_READ for the next datagram.
    const HANDLE ready = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!ready)
        return std::nullopt;
    if (::WSAEventSelect(sock(socket), ready, FD_READ) != 0) {
        ::CloseHandle(ready);
        return std::nullopt;
    }
    return ReadWatch{socket, reinterpret_cast<WaitHandle>(ready)};
}

void endReadWatch(const ReadWatch& watch)
{
    ::WSAEventSelect(sock(watch.socket), nullptr, 0);
    ::CloseHandle(event(watch.readyEvent));
}

WaitResult waitForAny(const ReadWatch& watch, WaitHandle wake, std::chrono::milliseconds timeout)
{
    const WSAEVENT events[2] = {event(watch.readyEvent), event(wake)};
    WaitResult result;
    const DWORD woken = ::WSAWaitForMultipleEvents(
        2, events, FALSE,
        timeout < timeout.zero() ? WSA_INFINITE : static_cast<DWORD>(timeout.count()), FALSE);
    // The wait names the first signalled event only; the link's thread
    // looks at its close request and send queue on every pass anyway.
    result.failed = woken == WSA_WAIT_FAILED;
    result.dataReady = woken == WSA_WAIT_EVENT_0;
    result.woken = woken == WSA_WAIT_EVENT_0 + 1;
    return result;
}

} // namespace pendra::socketapi
