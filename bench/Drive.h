#pragma once

#include "bench/BenchSocket.h"
#include "bench/Latencies.h"

#include <cstddef>

namespace pendra::bench {

// What a stream of positions brought back: how many were acknowledged, and
// how long each acknowledgement took.
struct Run
{
    std::size_t sent = 0;
    std::size_t acknowledged = 0;
    Latencies latencies;
};

// Sends count coordinate messages to the panel at rate per second (0: back to
// back) and times each acknowledgement. Acknowledgements carry no number: the
// k-th one answers the k-th message, so the times hold while none is lost.
Run drive(BenchSocket& host, int panelPort, int rate, std::size_t count);

} // namespace pendra::bench
