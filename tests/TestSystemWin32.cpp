#include "tests/TestSystem.h"

#include <windows.h>
#include <winsock2.h>

namespace pendra::test {

int addressNotAvailableCode()
{
    return WSAEADDRNOTAVAIL;
}

int addressInUseCode()
{
    return WSAEADDRINUSE;
}

int connectionRefusedCode()
{
    return WSAECONNREFUSED;
}

int invalidArgumentCode()
{
    return WSAEINVAL;
}

int networkUnreachableCode()
{
    return WSAENETUNREACH;
}

int sendThatFindsNoNetwork(std::intptr_t, const char*, int)
{
    ::WSASetLastError(WSAENETUNREACH);
    return -1;
}

bool makeStoreUnwritable(const std::string&)
{
    // A registry key's rights are not enforced the same way under wine.
    return false;
}

bool runsUnderWine()
{
    // Wine's ntdll has an export of its own that Windows' has not.
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

} // namespace pendra::test
