#include "bench/BenchSocket.h"

#include <stdexcept>
#include <winsock2.h>

namespace pendra::bench {

namespace {

SOCKET sock(std::intptr_t handle)
{
    return static_cast<SOCKET>(handle);
}

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

// Windows Sockets counts its users: each socket holds the library once.
BenchSocket::BenchSocket(int port)
{
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        throw std::runtime_error("WSAStartup");
    const SOCKET created = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (created == INVALID_SOCKET)
        throw std::runtime_error("socket");
    handle = static_cast<std::intptr_t>(created);
    // As much room as the system allows, so the host side never drops.
    const int big = 8 * 1024 * 1024;
    ::setsockopt(created, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&big), sizeof big);
    sockaddr_in address = loopback(port);
    if (::bind(created, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("bind");
    int length = sizeof address;
    ::getsockname(created, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
}

BenchSocket::~BenchSocket()
{
    ::closesocket(sock(handle));
    ::WSACleanup();
}

void BenchSocket::connectTo(int port)
{
    const sockaddr_in address = loopback(port);
    ::connect(sock(handle), reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void BenchSocket::sendTo(int port, std::string_view bytes)
{
    const sockaddr_in address = loopback(port);
    ::sendto(sock(handle), bytes.data(), static_cast<int>(bytes.size()), 0,
             reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void BenchSocket::send(std::string_view bytes)
{
    ::send(sock(handle), bytes.data(), static_cast<int>(bytes.size()), 0);
}

// An ICMP refusal of an earlier send fails the next recv with WSAECONNRESET;
// that is -1 too, as no datagram came.
int BenchSocket::receive(char* buffer, int capacity, std::chrono::milliseconds timeout)
{
    if (timeout.count() >= 0) {
        WSAPOLLFD entry{sock(handle), POLLRDNORM, 0};
        if (::WSAPoll(&entry, 1, static_cast<INT>(timeout.count())) <= 0)
            return -1;
    }
    const int received = ::recv(sock(handle), buffer, capacity, 0);
    return received <= 0 ? -1 : received;
}

void BenchSocket::drain()
{
    char buffer[16000];
    while (receive(buffer, sizeof buffer, std::chrono::milliseconds(200)) >= 0) {
    }
}

void BenchSocket::shutdown()
{
    ::shutdown(sock(handle), SD_BOTH);
}

int BenchSocket::freePort()
{
    return BenchSocket().port();
}

} // namespace pendra::bench
