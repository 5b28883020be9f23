#include "tests/TestSystem.h"

#include <cerrno>
#include <filesystem>

namespace pendra::test {

int addressNotAvailableCode()
{
    return EADDRNOTAVAIL;
}

int addressInUseCode()
{
    return EADDRINUSE;
}

int connectionRefusedCode()
{
    return ECONNREFUSED;
}

int invalidArgumentCode()
{
    return EINVAL;
}

int networkUnreachableCode()
{
    return ENETUNREACH;
}

int sendThatFindsNoNetwork(std::intptr_t, const char*, int)
{
    errno = ENETUNREACH;
    return -1;
}

bool makeStoreUnwritable(const std::string& location)
{
    // A folder where the store's file should be.
    std::error_code ignored;
    std::filesystem::remove(location, ignored);
    return std::filesystem::create_directories(location, ignored);
}

bool runsUnderWine()
{
    return false;
}

} // namespace pendra::test
