#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace pendra::hostsim {

// Lines to send instead of the stream, from a file or from standard input.
class ScriptSource
{
public:
    // "-" reads standard input as it comes; a file that cannot be read ends
    // the program (fail()).
    explicit ScriptSource(const std::string& path);

    // The next line, or nothing when none waits now.
    std::optional<std::string> next();
    // Whether the input has ended and every line has been taken.
    bool finished();

private:
    struct State
    {
        std::mutex mutex;
        std::deque<std::string> lines;
        bool ended = false;
    };
    // Shared with the thread that reads standard input, which may outlive us.
    std::shared_ptr<State> state;
};

} // namespace pendra::hostsim
