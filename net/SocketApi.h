#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// The operating system's socket calls, each in one place: SocketApiPosix.cpp
// and SocketApiWin32.cpp implement them, and the build compiles one of the two.
// What needs no system call (the dotted IPv4 texts, the socket library held
// around the lookups) is written once, in SocketApiCommon.cpp.
namespace pendra::socketapi {

// A socket: a file descriptor on POSIX, a SOCKET on Windows. Both fit, and
// both systems' invalid value is -1 here.
using Handle = std::intptr_t;
inline constexpr Handle kNoSocket = -1;
// What a wait watches beside the socket (WakeEvent::waitHandle): a pipe's
// read end on POSIX, a WSAEVENT on Windows.
using WaitHandle = std::intptr_t;

// An IPv4 address and port, both in host byte order.
struct Endpoint
{
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

// The error code that goes into failure texts for bad arguments (a port out of
// range, an address that is not dotted IPv4).
int invalidArgumentCode();
// The error code of the last failed socket call on this thread.
int lastError();
// The system's own description of an error code.
std::string errorMessage(int code);

// Starts and releases the process's socket library; counted, so pairs nest.
// Returns 0 or the error code.
int startLibrary();
void releaseLibrary();

// Converts dotted-decimal IPv4 text without any name lookup.
std::optional<std::uint32_t> parseIPv4(const std::string& text);
std::string formatIPv4(std::uint32_t address);

// The first IPv4 address this machine's host name resolves to. Both lookups
// start and release the socket library themselves, so they work with no link open.
std::optional<std::uint32_t> hostNameAddress();
// The first IPv4 address of a network interface that is up and not loopback.
std::optional<std::uint32_t> firstInterfaceAddress();
bool isLoopback(std::uint32_t address);

// The system's side of the two lookups above, called with the socket library
// started: each platform file holds these calls.
namespace system {
std::optional<std::string> hostName();
std::optional<std::uint32_t> firstInterfaceAddress();
// The first IPv4 address the name resolves to.
std::optional<std::uint32_t> firstAddressOf(const std::string& name);
} // namespace system

Handle createSocket(bool datagram);
void setReceiveBufferSize(Handle socket, int bytes);
// What the system granted; 0 when it cannot be read.
int receiveBufferSize(Handle socket);
bool setNonBlocking(Handle socket);
bool bindTo(Handle socket, const Endpoint& endpoint);
bool connectTo(Handle socket, const Endpoint& endpoint);
std::optional<Endpoint> localEndpoint(Handle socket);
bool shutdownBoth(Handle socket);
bool closeSocket(Handle socket);

// Waits at most the given time until the socket can take data.
void waitWritable(Handle socket, std::chrono::microseconds timeout);
// Waits at most the given time, which is not negative, until the socket has
// data to read (or a refusal or a shutdown to report); whether it has.
bool waitReadable(Handle socket, std::chrono::microseconds timeout);
// Returns the number of bytes sent, or -1; lastError() then says why.
int sendBytes(Handle socket, const char* bytes, int count);
// The same to an endpoint of the caller's choice, on a socket not connected.
int sendBytesTo(Handle socket, const char* bytes, int count, const Endpoint& to);
// Whether an error code says the socket's send buffer is full for now.
bool isWouldBlock(int code);
// Whether an error code is the system handing on a refusal (an ICMP "port
// unreachable") that an earlier datagram met: it belongs to no datagram of
// this call, so the call can be made again at once.
bool isRefusal(int code);
// Whether a failure to open or send can pass by itself: the address is not
// on this machine yet, the port is taken for now, the network is down or
// cannot be reached.
bool mayPass(int code);
// One receive into at most capacity bytes. For a datagram socket a datagram
// longer than capacity is discarded whole and gives -1; nothing to read, or
// any error, gives -1 as well, and lastError() says which. With from given,
// a datagram's sender is put there.
int receiveOnce(Handle socket, char* buffer, int capacity, bool datagram, Endpoint* from = nullptr);

// What a wait of the link's thread saw: either or both may be set.
struct WaitResult
{
    bool failed = false;
    bool dataReady = false;
    bool woken = false;
};

// What the link's thread watches for data to read: on Windows an
// auto-reset event of its own that the socket signals (which also makes the
// socket non-blocking, and which the wait itself clears), on POSIX the
// socket itself. The thread starts it and ends it.
struct ReadWatch
{
    Handle socket = kNoSocket;
    WaitHandle readyEvent = -1;
};

// Whether the watch shows the socket readable for as long as a datagram
// waits (poll does). Where it does not (a Windows event fires once for new
// data, and wine does not fire it again for datagrams left after a
// receive), the reader must receive until nothing is left.
bool watchShowsEveryDatagram();

std::optional<ReadWatch> startReadWatch(Handle socket);
void endReadWatch(const ReadWatch& watch);

// A wait that ends only when something happens.
inline constexpr std::chrono::milliseconds kWaitForever{-1};

// Waits at most timeout (or for ever) for data to read or for the wake
// event. One call: no event is looked at or cleared besides.
WaitResult waitForAny(const ReadWatch& watch, WaitHandle wake, std::chrono::milliseconds timeout);

} // namespace pendra::socketapi
