#include "tools/hostsim/ScriptSource.h"

#include "tools/hostsim/Console.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <thread>

namespace pendra::hostsim {

ScriptSource::ScriptSource(const std::string& path) : state(std::make_shared<State>())
{
    if (path == "-") {
        // Standard input may be a person typing: read it beside the main loop.
        std::thread([shared = state] {
            std::string line;
            while (std::getline(std::cin, line)) {
                std::lock_guard lock(shared->mutex);
                shared->lines.push_back(line);
            }
            std::lock_guard lock(shared->mutex);
            shared->ended = true;
        }).detach();
        return;
    }
    std::ifstream file(path);
    if (!file)
        fail("--script: cannot read '" + path + "': " + std::strerror(errno));
    std::string line;
    while (std::getline(file, line))
        state->lines.push_back(line);
    state->ended = true;
}

std::optional<std::string> ScriptSource::next()
{
    std::lock_guard lock(state->mutex);
    if (state->lines.empty())
        return std::nullopt;
    std::string line = std::move(state->lines.front());
    state->lines.pop_front();
    return line;
}

bool ScriptSource::finished()
{
    std::lock_guard lock(state->mutex);
    return state->ended && state->lines.empty();
}

} // namespace pendra::hostsim
