#include "tests/TcpServer.h"

#include <stdexcept>
#include <winsock2.h>

namespace pendra::test {

namespace {

SOCKET sock(std::intptr_t handle)
{
    return static_cast<SOCKET>(handle);
}

} // namespace

TcpServer::TcpServer(bool listening)
{
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        throw std::runtime_error("server WSAStartup");
    const SOCKET created = ::socket(AF_INET, SOCK_STREAM, 0);
    if (created == INVALID_SOCKET)
        throw std::runtime_error("server socket");
    listener = static_cast<std::intptr_t>(created);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(created, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("server bind");
    int length = sizeof address;
    ::getsockname(created, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(address.sin_port);
    if (listening && ::listen(created, 1) != 0)
        throw std::runtime_error("server listen");
}

TcpServer::~TcpServer()
{
    if (connection != -1)
        ::closesocket(sock(connection));
    ::closesocket(sock(listener));
    ::WSACleanup();
}

bool TcpServer::accept()
{
    const SOCKET accepted = ::accept(sock(listener), nullptr, nullptr);
    if (accepted == INVALID_SOCKET)
        return false;
    connection = static_cast<std::intptr_t>(accepted);
    return true;
}

bool TcpServer::send(std::string_view bytes)
{
    return ::send(sock(connection), bytes.data(), static_cast<int>(bytes.size()), 0) ==
           static_cast<int>(bytes.size());
}

std::optional<std::string> TcpServer::receive()
{
    char buffer[256];
    const int received = ::recv(sock(connection), buffer, sizeof buffer, 0);
    if (received == SOCKET_ERROR)
        return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(received));
}

} // namespace pendra::test
