#pragma once

#include <cstdint>
#include <string>

namespace pendra::test {

// What the tests need to know of the system they run on. The error codes are
// the system's own numbers for the failures the tests provoke, from its own
// headers: errno values on POSIX, WSAGetLastError values on Windows.
// TestSystemPosix.cpp and TestSystemWin32.cpp hold them.
int addressNotAvailableCode();
int addressInUseCode();
int connectionRefusedCode();
int invalidArgumentCode();
int networkUnreachableCode();

// A send that fails as a socket whose network has gone does: -1, with the
// system's error for an unreachable network as the last socket error.
int sendThatFindsNoNetwork(std::intptr_t socket, const char* bytes, int count);

// Makes the settings store at the given location refuse writes, even to
// root; false where a test cannot do that.
bool makeStoreUnwritable(const std::string& location);

// Wine lets a socket bind an address that is none of this machine's, where
// Windows and Linux refuse; tests of that refusal cannot run under it.
bool runsUnderWine();

} // namespace pendra::test
