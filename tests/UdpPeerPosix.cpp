#include "tests/UdpPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace pendra::test {

namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

UdpPeer::UdpPeer(int port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("peer socket");
    handle = fd;
    const int big = 4 * 1024 * 1024;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &big, sizeof big);
    sockaddr_in address = loopback(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("peer bind");
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
}

UdpPeer::~UdpPeer()
{
    ::close(static_cast<int>(handle));
}

bool UdpPeer::sendTo(int port, std::string_view bytes)
{
    const sockaddr_in address = loopback(port);
    return ::sendto(static_cast<int>(handle), bytes.data(), bytes.size(), 0,
                    reinterpret_cast<const sockaddr*>(&address),
                    sizeof address) == static_cast<ssize_t>(bytes.size());
}

std::optional<std::string> UdpPeer::receive(std::chrono::milliseconds timeout)
{
    pollfd entry{static_cast<int>(handle), POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0)
        return std::nullopt;
    std::vector<char> buffer(65536);
    const ssize_t received = ::recv(static_cast<int>(handle), buffer.data(), buffer.size(), 0);
    if (received < 0)
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(received));
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
