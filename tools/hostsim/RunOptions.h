#pragma once

#include "tools/hostsim/HostSimulator.h"

#include <chrono>
#include <optional>
#include <string>

class QCoreApplication;

namespace pendra::hostsim {

// What one run of pendra-hostsim is asked to do, from its command line.
struct RunOptions
{
    std::string hostAddress;
    int hostPort = 0;
    std::string panelAddress;
    int panelPort = 0;
    // Coordinate messages a second; 0 streams none.
    int rate = 0;
    std::chrono::milliseconds pace{0};
    // Seconds; 0 runs until Ctrl+C.
    int duration = 0;
    int burst = 0;
    int receiveBuffer = 0;
    bool verbose = false;
    // The file whose lines are sent instead of the stream, "-" for standard input.
    std::optional<std::string> scriptPath;
    HostSimulator::Options simulator;
};

// Reads the command line. --help, and an option that is not understood, end
// the program there: with the help text, or with a line that names the option.
RunOptions readRunOptions(const QCoreApplication& app);

} // namespace pendra::hostsim
