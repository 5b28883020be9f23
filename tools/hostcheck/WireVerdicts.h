#pragma once

#include "tools/hostcheck/CheckReport.h"
#include "tools/hostcheck/PanelConduct.h"

#include <chrono>
#include <string>
#include <vector>

namespace pendra::hostcheck {

// The verdicts drawn from the whole run's datagrams rather than from one
// phase: who sent them (item 1), how the positions looked (item 6), what
// the acknowledgements were (item 7), and the stream's rate and jitter.
class WireVerdicts
{
public:
    static void judgeSource(CheckReport& report, const PanelConduct& conduct,
                            const socketapi::Endpoint& host);
    static void judgePositions(CheckReport& report, const PanelConduct& conduct,
                               std::chrono::milliseconds watched);
    static void judgeAcknowledgements(CheckReport& report, const PanelConduct& conduct);
    // "Rate and jitter: 10.0 positions a second; intervals median 100.1 ms,
    // p99 101.9 ms, max 102.3 ms", from the moments of one span.
    static std::string rateAndJitter(const std::vector<PanelConduct::Clock::duration>& moments,
                                     std::chrono::milliseconds watched);
    // An arrival as one evidence line.
    static std::string line(const PanelConduct::Arrival& arrival);
};

} // namespace pendra::hostcheck
