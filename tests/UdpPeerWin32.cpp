#include "tests/UdpPeer.h"

#include <stdexcept>
#include <vector>
#include <winsock2.h>

namespace pendra::test {

namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

UdpPeer::UdpPeer(int port)
{
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        throw std::runtime_error("peer WSAStartup");
    const SOCKET created = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (created == INVALID_SOCKET)
        throw std::runtime_error("peer socket");
    handle = static_cast<std::intptr_t>(created);
    const int big = 4 * 1024 * 1024;
    ::setsockopt(created, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&big), sizeof big);
    sockaddr_in address = loopback(port);
    if (::bind(created, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("peer bind");
    int length = sizeof address;
    ::getsockname(created, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
}

UdpPeer::~UdpPeer()
{
    ::closesocket(static_cast<SOCKET>(handle));
    ::WSACleanup();
}

bool UdpPeer::sendTo(int port, std::string_view bytes)
{
    const sockaddr_in address = loopback(port);
    return ::sendto(static_cast<SOCKET>(handle), bytes.data(), static_cast<int>(bytes.size()), 0,
                    reinterpret_cast<const sockaddr*>(&address),
                    sizeof address) == static_cast<int>(bytes.size());
}

std::optional<std::string> UdpPeer::receive(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::vector<char> buffer(65536);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() < 0)
            return std::nullopt;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(static_cast<SOCKET>(handle), &readable);
        timeval bound{static_cast<long>(left.count() / 1000000),
                      static_cast<long>(left.count() % 1000000)};
        if (::select(0, &readable, nullptr, nullptr, &bound) <= 0)
            return std::nullopt;
        const int received =
            ::recv(static_cast<SOCKET>(handle), buffer.data(), static_cast<int>(buffer.size()), 0);
        if (received >= 0)
            return std::string(buffer.data(), static_cast<std::size_t>(received));
        // An ICMP refusal of an earlier send is reported here; no datagram came.
        if (::WSAGetLastError() != WSAECONNRESET)
            return std::nullopt;
    }
}

int UdpPeer::drain(std::chrono::milliseconds quiet)
{
    int count = 0;
    while (receive(quiet))
        ++count;
    return count;
}

int closedUdpPort()
{
    UdpPeer taken;
    return taken.port();
}

} // namespace pendra::test
