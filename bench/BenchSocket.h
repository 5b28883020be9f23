#pragma once

#include "net/LoopbackUdpSocket.h"

#include <chrono>
#include <string_view>

namespace pendra::bench {

// A bare UDP socket on 127.0.0.1, blocking, with nothing between the
// benchmark and the system but net/'s one call a step (SocketApi.h): the
// host's end, and the floor the panel is measured against.
class BenchSocket
{
public:
    // port 0 takes a free port.
    explicit BenchSocket(int port = 0);

    int port() const { return socket.port(); }
    void connectTo(int port);
    void sendTo(int port, std::string_view bytes);
    void send(std::string_view bytes);
    // One datagram; -1 after the timeout (none: wait for ever) or a shutdown.
    int receive(char* buffer, int capacity,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(-1));
    // Reads whatever is left from an earlier run.
    void drain();
    // Ends a receive that waits for ever.
    void shutdown();

    // A port on 127.0.0.1 nobody uses now.
    static int freePort();

private:
    LoopbackUdpSocket socket;
};

} // namespace pendra::bench
