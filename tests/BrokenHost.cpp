#include "tests/BrokenHost.h"

#include <string_view>

namespace pendra::test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

BrokenHost::BrokenHost(Fault broken, int panelPort)
    : fault(broken), panel(LoopbackUdpSocket::at(panelPort)), socket(0, 4 * 1024 * 1024)
{
    if (broken == Fault::SecondSocket)
        answers.emplace(0, 0);
    // As a careful host does, so that the system tells it of refusals.
    if (broken == Fault::GivesUpOnRefusals)
        socketapi::connectTo(socket.handle(), panel);
    thread = std::thread([this] { run(); });
}

BrokenHost::~BrokenHost()
{
    stopping = true;
    thread.join();
}

void BrokenHost::run()
{
    auto nextPosition = Clock::now();
    while (!stopping) {
        const auto now = Clock::now();
        if (greetings > 0 && !gaveUp && now >= nextPosition) {
            send(fault == Fault::DecimalCommas ? "QVL_IP_COORD:1,5,2,0,3,5,4,0,5,0,6,0"
                                               : "QVL_IP_COORD:1.0,2.0,3.0,4.0,5.0,6.0",
                 now);
            nextPosition = now + 100ms;
        }
        if (socketapi::waitReadable(socket.handle(), 10ms))
            takeDatagram(Clock::now());
    }
}

void BrokenHost::takeDatagram(Clock::time_point now)
{
    std::string buffer(65536, '\0');
    const int received =
        socketapi::receiveOnce(socket.handle(), buffer.data(), int(buffer.size()), true);
    if (received < 0) {
        if (socketapi::isRefusal(socketapi::lastError()))
            refused(now);
        return;
    }
    // The panel is back.
    refusedSince.reset();
    if (!gaveUp && std::string_view(buffer.data(), received).starts_with("QVL_PENDRA_8:"))
        answerGreeting(now);
}

void BrokenHost::answerGreeting(Clock::time_point now)
{
    ++greetings;
    bool answer = !(lastVersion && now - *lastVersion <= 250ms);
    if (fault == Fault::AnswersEveryGreeting)
        answer = true;
    else if (fault == Fault::ForgetsThePanel)
        answer = greetings == 1;
    lastVersion.reset();
    if (!answer)
        return;
    lastVersion = now;
    const std::string_view version = "Version:2";
    if (answers)
        socketapi::sendBytesTo(answers->handle(), version.data(), int(version.size()), panel);
    else
        send(std::string(version), now);
}

void BrokenHost::send(const std::string& text, Clock::time_point now)
{
    const int count = int(text.size());
    const int sent = fault == Fault::GivesUpOnRefusals
                         ? socketapi::sendBytes(socket.handle(), text.data(), count)
                         : socketapi::sendBytesTo(socket.handle(), text.data(), count, panel);
    if (sent < 0 && socketapi::isRefusal(socketapi::lastError()))
        refused(now);
}

void BrokenHost::refused(Clock::time_point now)
{
    if (!refusedSince)
        refusedSince = now;
    // Longer than a panel's restart takes, shorter than a long absence.
    else if (fault == Fault::GivesUpOnRefusals && now - *refusedSince > 2s)
        gaveUp = true;
}

} // namespace pendra::test
