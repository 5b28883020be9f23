#include "panel/HostConnection.h"

#include "net/SocketApi.h"
#include "panel/MessageWorker.h"
#include "panel/PanelProtocol.h"
#include "tests/HostLinkFixture.h"
#include "tests/ScratchSettings.h"
#include "tests/TestSystem.h"
#include "tests/UdpPeer.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

using namespace pendra;
using namespace pendra::test;
using namespace std::chrono_literals;

namespace {

// Collects what the worker shows, from the worker's thread.
class RecordingView : public PanelView
{
public:
    void showReadouts(ReadoutTexts texts) override
    {
        std::lock_guard lock(mutex);
        shown.push_back(std::move(texts));
    }
    std::vector<ReadoutTexts> readouts()
    {
        std::lock_guard lock(mutex);
        return shown;
    }
    std::size_t count()
    {
        std::lock_guard lock(mutex);
        return shown.size();
    }
    // The X readout of the last update, if any.
    std::optional<std::string> lastX()
    {
        std::lock_guard lock(mutex);
        return shown.empty() ? std::nullopt : shown.back().values[0];
    }

private:
    std::mutex mutex;
    std::vector<ReadoutTexts> shown;
};

// Waits as waitUntil does, while the news of the link's thread is delivered:
// the connection keeps the status on this thread.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds timeout = 10s)
{
    return waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return condition();
        },
        timeout);
}

class HostConnectionTest : public HostLinkTest
{
protected:
    std::optional<std::string> nextDatagram() { return host.receive(10s); }

    RecordingView view;
};

} // namespace

TEST_F(HostConnectionTest, ConnectingGreetsTheHostAndStoresTheSettings)
{
    ASSERT_TRUE(connection.connectAndGreet(1));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    const auto stored = settings.openStore();
    EXPECT_EQ(stored->value("Local_IP_Address").toString(), "127.0.0.1");
    EXPECT_EQ(stored->value("Local_IP_Port").toString().toStdString(), settings.localPort);
    EXPECT_EQ(stored->value("Remote_IP_Port").toString().toStdString(), settings.remotePort);
    EXPECT_EQ(stored->value("DisplayErrors").toInt(), 1);
}

TEST_F(HostConnectionTest, NothingOpensOrSendsBeforeThePanelIsReady)
{
    HostConnection early(settings);
    EXPECT_FALSE(early.openLink());
    EXPECT_FALSE(early.sendButtonCommand(0));
    EXPECT_FALSE(host.receive(200ms));
}

TEST_F(HostConnectionTest, ButtonsAndKeysSendTheirCommandsOnlyWithALink)
{
    EXPECT_FALSE(connection.sendButtonCommand(0));
    EXPECT_FALSE(connection.sendKeyCommand(0x70));
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    for (std::size_t i = 0; i < kButtonCount; ++i)
        EXPECT_TRUE(connection.sendButtonCommand(i));
    EXPECT_FALSE(connection.sendButtonCommand(5));
    EXPECT_TRUE(connection.sendKeyCommand(0x74));
    EXPECT_FALSE(connection.sendKeyCommand(0x75));
    for (const char* expected : {"QVL_PENDRA_1", "QVL_PENDRA_2", "QVL_PENDRA_3", "QVL_PENDRA_4",
                                 "QVL_PENDRA_5", "QVL_PENDRA_5"})
        EXPECT_EQ(nextDatagram(), expected);
}

TEST_F(HostConnectionTest, FailedBindReportsTheCodeOfTheBindAndLeavesNoLink)
{
    const UdpPeer holder;
    settings.localPort = std::to_string(holder.port());
    EXPECT_FALSE(connection.connectAndGreet(0));
    EXPECT_EQ(connection.failureMessage(),
              "SOURCE_OPEN_SOCKET_ERROR-" + std::to_string(addressInUseCode()));
    EXPECT_FALSE(connection.hasLink());
    EXPECT_FALSE(connection.sendButtonCommand(0));
    EXPECT_TRUE(settings.openStore()->allKeys().isEmpty()) << "a failed connection stores nothing";
}

TEST_F(HostConnectionTest, PortTextsAreReadLikeNumbersAndOutOfRangeFails)
{
    settings.remotePort = "70000";
    EXPECT_FALSE(connection.openLink());
    EXPECT_EQ(connection.failureMessage(),
              "SOURCE_OPEN_SOCKET_ERROR-" + std::to_string(invalidArgumentCode()));
    settings.remotePort = "99999999999999999999";
    EXPECT_FALSE(connection.openLink());
    settings.remotePort = "-1";
    EXPECT_FALSE(connection.openLink());
    settings.remotePort = " " + std::to_string(host.port()) + "xyz";
    EXPECT_TRUE(connection.openLink());
}

TEST_F(HostConnectionTest, EmptyLocalValuesAreFilledInWhenOpening)
{
    settings.localAddress = "";
    settings.localPort = "";
    settings.remotePort = "70000"; // fail after the fill-in, so port 7712 is never bound here
    EXPECT_FALSE(connection.openLink());
    EXPECT_EQ(settings.localPort, "7712");
    EXPECT_EQ(settings.localAddress, localHostAddress());
}

TEST_F(HostConnectionTest, RestartClosesTheLinkAndGreetsFromANewOne)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    ASSERT_TRUE(connection.restart(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:1,2,3,4,5,6"));
    EXPECT_TRUE(waitUntil([&] { return connection.waitingMessages() == 1; }));
}

TEST_F(HostConnectionTest, LongMessagesAreReadWholeAndNulCutsAMessage)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    connection.setHostVersion(2);
    MessageWorker worker(connection, view);
    worker.start();
    // Nine values with 15 decimals: over 200 bytes, as some hosts print them.
    std::string message = "QVL_IP_COORD2:";
    for (int i = 1; i <= 9; ++i)
        message += (i > 1 ? "," : "") + std::to_string(-i * 100) + ".123456789012345";
    ASSERT_GT(message.size(), 200u);
    ASSERT_TRUE(host.sendTo(panelPort(), message));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_9");
    ASSERT_TRUE(waitUntil([&] { return view.count() == 1; }));
    EXPECT_EQ(view.readouts()[0].errors[2], "-900.1235");

    ASSERT_TRUE(host.sendTo(panelPort(), std::string("Version:3\0QVL_IP_COORD:1,1,1,1,1,1", 34)));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3") << "a version message, cut at its NUL";
    EXPECT_FALSE(host.receive(300ms));
}

TEST_F(HostConnectionTest, WorkerShowsCoordinatesWithFourDecimals)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    MessageWorker worker(connection, view);
    worker.start();
    ASSERT_TRUE(host.sendTo(panelPort(), "abcQVL_IP_COORD:1,2.5,-3,4e1,0.00004,6"));
    ASSERT_TRUE(waitUntil([&] { return view.count() == 1; }));
    const ReadoutTexts texts = view.readouts()[0];
    const std::array<std::string, 6> expected{"1.0000",  "2.5000", "-3.0000",
                                              "40.0000", "0.0000", "6.0000"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(texts.values[i], expected[i]);
    for (const auto& error : texts.errors)
        EXPECT_FALSE(error) << "plain coordinates leave the error readouts alone";
}

TEST_F(HostConnectionTest, WorkerBlanksValuesAMessageLacks)
{
    const ReadoutTexts partial = showCoordinates("QVL_IP_COORD2:1,2,3,4", true);
    EXPECT_EQ(partial.values[3], "4.0000");
    EXPECT_EQ(partial.values[4], "");
    EXPECT_EQ(partial.values[5], "");
    EXPECT_EQ(partial.errors[0], "");
    const ReadoutTexts whole = showCoordinates("QVL_IP_COORD2:1,2,3,4,5,6,0.1,0.2,-0.3", true);
    EXPECT_EQ(whole.errors[2], "-0.3000");
}

TEST_F(HostConnectionTest, AcknowledgementsFollowTheAnnouncedVersion)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    MessageWorker worker(connection, view);
    worker.start();

    // A host that never announced a version gets no acknowledgement.
    ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:1,1,1,1,1,1"));
    ASSERT_TRUE(waitUntil([&] { return view.count() == 1; }));

    // Every version message brings a new greeting.
    ASSERT_TRUE(host.sendTo(panelPort(), "Version: 2"));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    EXPECT_EQ(connection.hostVersion(), 2);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD2:1,2,3,4,5,6,7,8,9"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(nextDatagram(), "QVL_PENDRA_9");

    ASSERT_TRUE(host.sendTo(panelPort(), "Version:1"));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    ASSERT_TRUE(host.sendTo(panelPort(), "Version:"));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    EXPECT_EQ(connection.hostVersion(), 1);
    ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:5,1,1,1,1,1"));
    ASSERT_TRUE(waitUntil([&] { return view.lastX() == "5.0000"; }));
    ASSERT_TRUE(host.sendTo(panelPort(), "something else"));
    EXPECT_FALSE(host.receive(300ms));
}

TEST_F(HostConnectionTest, GreetingsKeepTheirPaceAndEveryVersionIsAnswered)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    MessageWorker worker(connection, view);
    worker.start();

    // A version that comes right after a greeting waits for the next one's
    // turn, and still gets it within the bound the panel promises.
    ASSERT_TRUE(host.sendTo(panelPort(), "Version:2"));
    EXPECT_EQ(host.receive(kGreetingAnswerBound), "QVL_PENDRA_8:3");
    ASSERT_TRUE(host.sendTo(panelPort(), "Version:3"));
    EXPECT_EQ(host.receive(kGreetingAnswerBound), "QVL_PENDRA_8:3");
    EXPECT_EQ(connection.hostVersion(), 3);

    // A host that answers every greeting with its version, for a second.
    int greetings = 0;
    ASSERT_TRUE(host.sendTo(panelPort(), "Version:2"));
    const auto end = std::chrono::steady_clock::now() + 1s;
    while (std::chrono::steady_clock::now() < end) {
        if (host.receive(100ms) == "QVL_PENDRA_8:3") {
            ++greetings;
            ASSERT_TRUE(host.sendTo(panelPort(), "Version:2"));
        }
    }
    EXPECT_GE(greetings, 2) << "the exchange goes on";
    EXPECT_LE(greetings, 1 + 1000 / HostConnection::kGreetingInterval.count() + 1);
}

TEST_F(HostConnectionTest, WaitingMessagesAreAnsweredWithOneGreetingAndOneUpdate)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    for (const char* message :
         {"QVL_IP_COORD:1,0,0,0,0,0", "Version:2", "QVL_IP_COORD:2,0,0,0,0,0", "Version:1",
          "QVL_IP_COORD:3,0,0,0,0,0", "Version:3", "QVL_IP_COORD2:4,0,0,0,0,0,7,8,9", "noise"})
        ASSERT_TRUE(host.sendTo(panelPort(), message));
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:" + std::to_string(i) + ",0,0,0,0,0"));
    ASSERT_TRUE(waitUntil([&] { return connection.waitingMessages() == 208; }));

    MessageWorker worker(connection, view);
    worker.start();
    // Positions are acknowledged by the version in force when they came: 2
    // of the first 4, then all 200. The three versions share one greeting.
    for (int i = 0; i < 202; ++i)
        ASSERT_EQ(nextDatagram(), "QVL_PENDRA_9") << i;
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    EXPECT_FALSE(host.receive(300ms));
    ASSERT_EQ(view.count(), 1u) << "one update for the whole pass";
    const ReadoutTexts shown = view.readouts()[0];
    EXPECT_EQ(shown.values[0], "199.0000") << "the newest position";
    EXPECT_EQ(shown.errors[2], "9.0000") << "the newest errors, from an earlier message";
}

TEST_F(HostConnectionTest, StatusTellsAHostThatRefusesFromABindThatFailed)
{
    std::vector<LinkState> seen;
    std::mutex seenLock;
    connection.setStatusListener([&](const LinkStatus& status) {
        std::lock_guard lock(seenLock);
        seen.push_back(status.state);
    });
    const int nobody = closedUdpPort();
    settings.remotePort = std::to_string(nobody);
    MessageWorker worker(connection, view);
    worker.start();
    ASSERT_TRUE(connection.connectAndGreet(0));
    // The greeting is refused: nothing listens there. Wine hands such a
    // refusal to no call of a datagram socket.
    const bool refusalsSeen = !runsUnderWine();
    if (refusalsSeen) {
        ASSERT_TRUE(
            eventually([&] { return connection.linkStatus().state == LinkState::NoAnswer; }));
        EXPECT_EQ(describe(connection.linkStatus()),
                  "No answer from 127.0.0.1:" + std::to_string(nobody) +
                      ": nothing listens on that port");
    }

    // A port another socket holds: the bind fails, and says why in the
    // system's own words.
    const UdpPeer holder;
    settings.localPort = std::to_string(holder.port());
    EXPECT_FALSE(connection.restart(0));
    EXPECT_EQ(describe(connection.linkStatus()), "Not connected: Couldn't bind to 127.0.0.1: " +
                                                     socketapi::errorMessage(addressInUseCode()) +
                                                     " (" + std::to_string(addressInUseCode()) +
                                                     "); trying again every 2 s");
    worker.stop();
    connection.setStatusListener(nullptr);
    std::lock_guard lock(seenLock);
    std::vector<LinkState> expected{LinkState::NotConnected,   LinkState::Connecting,
                                    LinkState::WaitingForHost, LinkState::NoAnswer,
                                    LinkState::Connecting,     LinkState::NotConnected};
    if (!refusalsSeen)
        expected.erase(expected.begin() + 3);
    EXPECT_EQ(seen, expected);
}

TEST_F(HostConnectionTest, ACommandThatCannotBeSentIsNamedAndNeverSentLater)
{
    MessageWorker worker(connection, view);
    worker.start();
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");

    connection.setSendCall(&sendThatFindsNoNetwork);
    ASSERT_TRUE(connection.sendKeyCommand(0x73));
    const int code = networkUnreachableCode();
    const std::string notSent = "Not sent: F4 STOP EXECUTION: " + socketapi::errorMessage(code) +
                                " (" + std::to_string(code) + ")";
    ASSERT_TRUE(eventually([&] { return describe(connection.linkStatus()) == notSent; }))
        << describe(connection.linkStatus());
    EXPECT_FALSE(readoutsLive(connection.linkStatus().state));

    // The network is back: the next command goes, the failed one never does.
    connection.setSendCall(&socketapi::sendBytes);
    ASSERT_TRUE(connection.sendKeyCommand(0x74));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_5");
    ASSERT_TRUE(
        eventually([&] { return connection.linkStatus().state == LinkState::WaitingForHost; }));
    EXPECT_FALSE(host.receive(300ms));
}

// The acknowledgement is sent on the thread that received the position: a
// failure there is told without that thread waiting on itself.
TEST_F(HostConnectionTest, AnAcknowledgementThatCannotBeSentIsShownUntilOneIs)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    connection.setHostVersion(2);
    MessageWorker worker(connection, view);
    worker.start();

    connection.setSendCall(&sendThatFindsNoNetwork);
    ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:1,2,3,4,5,6"));
    const int code = networkUnreachableCode();
    const std::string notSent = "Not sent: An acknowledgement: " + socketapi::errorMessage(code) +
                                " (" + std::to_string(code) + ")";
    ASSERT_TRUE(eventually([&] { return describe(connection.linkStatus()) == notSent; }))
        << describe(connection.linkStatus());
    EXPECT_TRUE(waitUntil([&] { return view.lastX() == "1.0000"; }));

    connection.setSendCall(&socketapi::sendBytes);
    ASSERT_TRUE(host.sendTo(panelPort(), "QVL_IP_COORD:2,2,3,4,5,6"));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_9");
    EXPECT_TRUE(eventually([&] { return connection.linkStatus().state == LinkState::Connected; }));
    EXPECT_TRUE(waitUntil([&] { return view.lastX() == "2.0000"; }));
}

// The old link's news may still be on its way when the new link opens: it
// is dropped, and the new host counts as heard only once it speaks.
TEST_F(HostConnectionTest, ARestartWhileTheHostFloodsWaitsForTheNewHost)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    connection.setHostVersion(2);
    MessageWorker worker(connection, view);
    worker.start();
    const HostFlood flood(host, panelPort());
    ASSERT_TRUE(eventually([&] { return connection.linkStatus().state == LinkState::Connected; }));

    UdpPeer otherHost;
    settings.remotePort = std::to_string(otherHost.port());
    ASSERT_TRUE(connection.restart(0));
    EXPECT_EQ(otherHost.receive(10s), "QVL_PENDRA_8:3");
    EXPECT_FALSE(eventually(
        [&] { return connection.linkStatus().state != LinkState::WaitingForHost; }, 300ms))
        << describe(connection.linkStatus());
    ASSERT_TRUE(otherHost.sendTo(panelPort(), "QVL_IP_COORD:7,2,3,4,5,6"));
    EXPECT_TRUE(eventually([&] { return connection.linkStatus().state == LinkState::Connected; }));
    EXPECT_EQ(otherHost.receive(10s), "QVL_PENDRA_9");
}

// Opening closes the link in use first, whatever its thread is doing.
TEST_F(HostConnectionTest, OpeningOverALiveLinkDuringAFloodNeitherHangsNorLeaks)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    connection.setHostVersion(2);
    MessageWorker worker(connection, view);
    worker.start();
    const HostFlood flood(host, panelPort());
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(connection.openLink()) << i;
        ASSERT_TRUE(connection.connectAndGreet(0)) << i;
    }
    EXPECT_TRUE(waitUntil([&] { return view.count() > 0; }));
    worker.stop();
    EXPECT_FALSE(connection.hasLink());
}

// A host that answers the opening greeting at once gets its answer one
// greeting interval after the opening greeting left, no sooner, and within
// the promised bound of its version.
TEST_F(HostConnectionTest, AVersionOnANewLinkWaitsItsTurnAfterTheOpeningGreeting)
{
    MessageWorker worker(connection, view);
    worker.start();
    const auto beforeOpening = std::chrono::steady_clock::now();
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    ASSERT_TRUE(host.sendTo(panelPort(), "Version:2"));
    EXPECT_EQ(host.receive(kGreetingAnswerBound), "QVL_PENDRA_8:3");
    EXPECT_GE(std::chrono::steady_clock::now() - beforeOpening, HostConnection::kGreetingInterval);
}

TEST_F(HostConnectionTest, StoppingTheWorkerClosesTheLinkOnce)
{
    ASSERT_TRUE(connection.connectAndGreet(0));
    EXPECT_EQ(nextDatagram(), "QVL_PENDRA_8:3");
    MessageWorker worker(connection, view);
    worker.start();
    std::this_thread::sleep_for(100ms); // asleep, waiting for messages
    worker.stop();
    EXPECT_FALSE(worker.isRunning());
    EXPECT_FALSE(connection.hasLink());
    worker.stop();
    EXPECT_FALSE(connection.sendButtonCommand(0));
    EXPECT_FALSE(host.receive(200ms));
}

TEST_F(HostConnectionTest, RestartsWhileTheHostFloodsAndTheWorkerReads)
{
    settings.remotePort = std::to_string(host.port());
    ASSERT_TRUE(connection.connectAndGreet(0));
    connection.setHostVersion(2);
    MessageWorker worker(connection, view);
    worker.start();
    std::atomic<bool> flooding{true};
    std::thread flood([&] {
        while (flooding) {
            host.sendTo(panelPort(), "QVL_IP_COORD:1,2,3,4,5,6");
            std::this_thread::sleep_for(1ms);
        }
    });
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(connection.restart(0));
        connection.sendButtonCommand(3);
    }
    EXPECT_TRUE(waitUntil([&] { return view.count() > 0; }));
    worker.stop();
    flooding = false;
    flood.join();
    EXPECT_FALSE(connection.hasLink());
}
