// A minute of hard use: a host floods the real connection and worker with
// 5000 messages a second, junk among them, while the link is restarted 200
// times. Nothing may crash, memory stays bounded, every close is prompt, and
// the sanitizers see a clean end.

#include "panel/ConnectionSettings.h"
#include "panel/HostConnection.h"
#include "panel/MessageWorker.h"
#include "tests/UdpPeer.h"

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <unistd.h>

using namespace pendra;
using namespace pendra::test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

class CountingView : public PanelView
{
public:
    void showReadouts(ReadoutTexts) override { ++updates; }
    std::atomic<long> updates{0};
};

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What a careless or hostile host might send, in among the real messages.
std::string nextMessage(std::mt19937& random, long i)
{
    switch (random() % 10) {
    case 0:
        return "Version:" + std::to_string(static_cast<int>(random() % 5) - 1);
    case 1: {
        std::string junk(random() % 300, '\0');
        for (char& c : junk)
            c = static_cast<char>(random());
        return junk;
    }
    case 2:
        return "QVL_IP_COORD:1,2";
    case 3:
        return std::string(17000, 'x'); // longer than the receive area
    case 4:
        return "QVL_IP_COORD2:" + std::to_string(i) + ",1e308,-1e-300,nan,inf,5,6,7,8";
    default:
        return "QVL_IP_COORD:" + std::to_string(i) + ".5,2,3,4,5,6";
    }
}

} // namespace

TEST(Soak, FloodAndRestartsForAMinute)
{
    QTemporaryDir configHome;
    ASSERT_TRUE(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    UdpPeer host;
    ConnectionSettings settings("pendra-soak");
    settings.localAddress = "127.0.0.1";
    settings.localPort = std::to_string(closedUdpPort());
    settings.remoteAddress = "127.0.0.1";
    settings.remotePort = std::to_string(host.port());
    HostConnection connection(settings);
    connection.setPanelReady();
    ASSERT_TRUE(connection.connectAndGreet(0));
    CountingView view;
    MessageWorker worker(connection, view);
    worker.start();

    std::atomic<bool> flooding{true};
    std::atomic<long> sent{0};
    const int panelPort = std::stoi(settings.localPort);
    std::thread flood([&] {
        std::mt19937 random(7);
        const auto start = Clock::now();
        for (long i = 0; flooding; ++i) {
            std::this_thread::sleep_until(start + i * 200us);
            host.sendTo(panelPort, nextMessage(random, i));
            ++sent;
        }
    });
    // The host reads what the panel sends, so its socket never fills.
    std::atomic<bool> reading{true};
    std::thread reader([&] {
        while (reading)
            host.receive(50ms);
    });

    std::this_thread::sleep_for(2s);
    const long before = residentKilobytes();
    Clock::duration slowestClose{};
    for (int restart = 0; restart < 200; ++restart) {
        std::this_thread::sleep_for(250ms);
        const auto closing = Clock::now();
        connection.closeLink();
        slowestClose = std::max(slowestClose, Clock::now() - closing);
        ASSERT_TRUE(connection.connectAndGreet(0)) << "restart " << restart;
        connection.sendButtonCommand(static_cast<std::size_t>(restart % 5));
    }
    std::this_thread::sleep_for(2s);
    const long after = residentKilobytes();

    const auto closing = Clock::now();
    worker.stop();
    slowestClose = std::max(slowestClose, Clock::now() - closing);
    flooding = false;
    reading = false;
    flood.join();
    reader.join();

    EXPECT_FALSE(connection.hasLink());
    EXPECT_GT(view.updates.load(), 1000) << "the readouts kept moving";
    EXPECT_GT(sent.load(), 250'000);
    EXPECT_LT(slowestClose, 500ms)
        << "slowest close: " << std::chrono::duration<double>(slowestClose).count() << " s";
    // Some growth is the allocator settling; a leak of messages would be tens of MB.
    EXPECT_LT(after - before, 16 * 1024) << "resident " << before << " kB, then " << after << " kB";
    std::printf("soak: %ld messages sent, %ld readout updates, slowest close %.1f ms, "
                "resident %ld kB -> %ld kB\n",
                sent.load(), view.updates.load(),
                std::chrono::duration<double, std::milli>(slowestClose).count(), before, after);
}
