#pragma once

#include "tools/hostcheck/HostCheck.h"

#include <optional>
#include <string>

class QCoreApplication;

namespace pendra::hostcheck {

// What one run of pendra-hostcheck is asked to do, from its command line.
struct CheckOptions
{
    HostCheck::Settings settings;
    // Where the JUnit XML report goes, when one is wanted.
    std::optional<std::string> junitPath;
};

// Reads the command line. --help ends the program there with the help text
// (exit 0), an option that is not understood with a line that names it
// (exit 2).
CheckOptions readCheckOptions(const QCoreApplication& app);

} // namespace pendra::hostcheck
