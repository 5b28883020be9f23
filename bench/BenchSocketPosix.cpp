#include "bench/BenchSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace pendra::bench {

namespace {

int descriptor(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

BenchSocket::BenchSocket(int port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("socket");
    handle = fd;
    // As much room as the system allows, so the host side never drops.
    const int big = 8 * 1024 * 1024;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
    sockaddr_in address = loopback(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("bind");
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
}

BenchSocket::~BenchSocket()
{
    ::close(descriptor(handle));
}

void BenchSocket::connectTo(int port)
{
    const sockaddr_in address = loopback(port);
    ::connect(descriptor(handle), reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void BenchSocket::sendTo(int port, std::string_view bytes)
{
    const sockaddr_in address = loopback(port);
    ::sendto(descriptor(handle), bytes.data(), bytes.size(), 0,
             reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void BenchSocket::send(std::string_view bytes)
{
    ::send(descriptor(handle), bytes.data(), bytes.size(), 0);
}

int BenchSocket::receive(char* buffer, int capacity, std::chrono::milliseconds timeout)
{
    if (timeout.count() >= 0) {
        pollfd entry{descriptor(handle), POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0)
            return -1;
    }
    const ssize_t received = ::recv(descriptor(handle), buffer, static_cast<size_t>(capacity), 0);
    return received <= 0 ? -1 : static_cast<int>(received);
}

void BenchSocket::drain()
{
    char buffer[16000];
    while (receive(buffer, sizeof buffer, std::chrono::milliseconds(200)) >= 0) {
    }
}

void BenchSocket::shutdown()
{
    ::shutdown(descriptor(handle), SHUT_RDWR);
}

int BenchSocket::freePort()
{
    return BenchSocket().port();
}

} // namespace pendra::bench
