#include "tools/hostsim/Console.h"

#include "tools/hostsim/HostSimulator.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace pendra::hostsim {

namespace {

std::string timestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    // Only the main thread logs, so localtime's shared result is safe here.
    const std::tm local = *std::localtime(&seconds);
    std::ostringstream text;
    text << std::put_time(&local, "%H:%M:%S") << '.' << std::setw(3) << std::setfill('0') << millis;
    return text.str();
}

} // namespace

void fail(const std::string& line)
{
    std::cerr << "pendra-hostsim: " << line << std::endl;
    std::exit(2);
}

void logDatagram(const std::string& direction, const std::string& message,
                 const std::string& meaning)
{
    std::cout << timestamp() << "  " << direction << ' ' << printableText(message);
    if (!meaning.empty())
        std::cout << "  " << meaning;
    std::cout << std::endl;
}

} // namespace pendra::hostsim
