#include "tests/TcpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace pendra::test {

TcpServer::TcpServer(bool listening)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("server socket");
    listener = fd;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("server bind");
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
    if (listening && ::listen(fd, 1) != 0)
        throw std::runtime_error("server listen");
}

TcpServer::~TcpServer()
{
    if (connection >= 0)
        ::close(static_cast<int>(connection));
    ::close(static_cast<int>(listener));
}

bool TcpServer::accept()
{
    connection = ::accept(static_cast<int>(listener), nullptr, nullptr);
    return connection >= 0;
}

bool TcpServer::send(std::string_view bytes)
{
    return ::send(static_cast<int>(connection), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

std::optional<std::string> TcpServer::receive()
{
    char buffer[256];
    const ssize_t received = ::recv(static_cast<int>(connection), buffer, sizeof buffer, 0);
    if (received < 0)
        return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(received));
}

} // namespace pendra::test
