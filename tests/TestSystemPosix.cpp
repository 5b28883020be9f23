#include "tests/TestSystem.h"

#include <cerrno>

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

bool runsUnderWine()
{
    return false;
}

} // namespace pendra::test
