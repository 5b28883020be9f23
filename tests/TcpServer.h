#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pendra::test {

// A stream socket bound to a free port on 127.0.0.1, listening or not, for
// the link's stream mode. TcpServerPosix.cpp and TcpServerWin32.cpp make it
// with each system's own calls.
class TcpServer
{
public:
    explicit TcpServer(bool listening);
    ~TcpServer();

    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    int port() const { return boundPort; }
    // Takes the first connection; later calls talk over it.
    bool accept();
    bool send(std::string_view bytes);
    // What one receive on the connection gave, or nothing on an error.
    std::optional<std::string> receive();

private:
    std::intptr_t listener = -1;
    std::intptr_t connection = -1;
    int boundPort = 0;
};

} // namespace pendra::test
