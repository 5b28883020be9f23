// pendra-bare-loop: the least a panel must do for its host, as a process of
// its own so that its CPU time can be read beside the real program's.
// It receives each datagram on a plain blocking UDP socket and answers each
// position with an acknowledgement, and each version with a greeting.
//
//   pendra-bare-loop --port P --host-port H

#include "bench/BenchSocket.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

using pendra::bench::BenchSocket;

int main(int argc, char** argv)
{
    int port = 0;
    int hostPort = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--port") == 0)
            port = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--host-port") == 0)
            hostPort = std::atoi(argv[i + 1]);
    }
    if (port <= 0 || hostPort <= 0) {
        std::fprintf(stderr, "usage: pendra-bare-loop --port P --host-port H\n");
        return 2;
    }
    BenchSocket socket(port);
    socket.connectTo(hostPort);
    char buffer[16000];
    for (;;) {
        const int received = socket.receive(buffer, sizeof buffer);
        if (received < 0)
            continue;
        const std::string_view message(buffer, static_cast<std::size_t>(received));
        if (message.starts_with("QVL_IP_COORD"))
            socket.send("QVL_PENDRA_9");
        else if (message.starts_with("Version:"))
            socket.send("QVL_PENDRA_8:3");
    }
}
