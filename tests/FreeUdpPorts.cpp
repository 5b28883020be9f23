// Prints free UDP ports on 127.0.0.1, one per line, for scripts that start
// programs which cannot be told to take port 0.
#include <arpa/inet.h>
#include <cstdlib>
#include <iostream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 1;
    std::vector<int> sockets;
    // All are held until every port is known, so no two are the same.
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return 1;
        std::cout << ntohs(address.sin_port) << '\n';
        sockets.push_back(fd);
    }
    for (int fd : sockets)
        ::close(fd);
    return 0;
}
