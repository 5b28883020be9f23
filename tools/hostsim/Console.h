#pragma once

#include <string>

namespace pendra::hostsim {

// Says what went wrong on standard error, after the program's name, and ends
// the program with exit code 2.
[[noreturn]] void fail(const std::string& line);

// One line of the log on standard output: the time to the millisecond, the
// direction ("->" sent, "<-" received), the datagram as printable text and,
// when there is one, its meaning. Only the main thread logs.
void logDatagram(const std::string& direction, const std::string& message,
                 const std::string& meaning = {});

} // namespace pendra::hostsim
