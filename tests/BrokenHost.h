#pragma once

#include "net/LoopbackUdpSocket.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace pendra::test {

// A host on 127.0.0.1 that gets one item of the host checklist wrong and
// otherwise behaves: it answers a greeting with Version:2, except the first
// greeting within 250 ms of its version, and once greeted streams a position
// to the panel about 10 times a second. It runs on a thread of its own.
class BrokenHost
{
public:
    enum class Fault {
        SecondSocket,         // 1: answers greetings from another port
        AnswersEveryGreeting, // 5: answers the answer to its version too
        DecimalCommas,        // 6: writes its positions as a German printf would
        ForgetsThePanel,      // 9: answers only the first greeting it ever gets
        GivesUpOnRefusals,    // 10: falls silent after refusals for more than 2 s
    };

    BrokenHost(Fault fault, int panelPort);
    ~BrokenHost();

    BrokenHost(const BrokenHost&) = delete;
    BrokenHost& operator=(const BrokenHost&) = delete;

    int port() const { return socket.port(); }

private:
    void run();
    void takeDatagram(std::chrono::steady_clock::time_point now);
    void answerGreeting(std::chrono::steady_clock::time_point now);
    void send(const std::string& text, std::chrono::steady_clock::time_point now);
    // A refusal met: GivesUpOnRefusals gives up after 2 s of them in a row.
    void refused(std::chrono::steady_clock::time_point now);

    const Fault fault;
    const socketapi::Endpoint panel;
    LoopbackUdpSocket socket;
    std::optional<LoopbackUdpSocket> answers;

    int greetings = 0;
    std::optional<std::chrono::steady_clock::time_point> lastVersion;
    std::optional<std::chrono::steady_clock::time_point> refusedSince;
    bool gaveUp = false;

    std::atomic<bool> stopping{false};
    std::thread thread;
};

} // namespace pendra::test
