#include "net/SocketLink.h"

#include "tests/TcpServer.h"
#include "tests/TestSystem.h"
#include "tests/UdpPeer.h"

#include <atomic>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

using namespace pendra;
using namespace pendra::test;
using namespace std::chrono_literals;

namespace {

// A datagram link bound to a free port on 127.0.0.1 and connected to the peer.
std::unique_ptr<SocketLink> openLinkTo(int remotePort)
{
    auto link = std::make_unique<SocketLink>("127.0.0.1", remotePort);
    link->setLocalEndpoint("127.0.0.1", 1, 0);
    EXPECT_EQ(link->open(), 0) << link->lastError();
    EXPECT_TRUE(link->isOpen());
    return link;
}

std::optional<std::string> nextMessage(SocketLink& link, std::chrono::milliseconds timeout = 10s)
{
    if (!waitUntil([&] { return link.peekLength() > 0; }, timeout))
        return std::nullopt;
    std::string message(static_cast<std::size_t>(link.peekLength()), '\0');
    message.resize(
        static_cast<std::size_t>(link.read(message.data(), static_cast<int>(message.size()))));
    return message;
}

void write(SocketLink& link, const std::string& text)
{
    EXPECT_EQ(link.write(text.data(), static_cast<int>(text.size()), 0), 0);
}

std::string failure(const std::string& message, int code)
{
    return message + "SOURCE_OPEN_SOCKET_ERROR-" + std::to_string(code);
}

std::string datagramOfSize(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

} // namespace

class SocketLinkDatagramSize : public ::testing::TestWithParam<std::size_t>
{
};

TEST_P(SocketLinkDatagramSize, BecomesExactlyOneMessageOfThatLength)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    const std::string datagram = datagramOfSize(GetParam());
    ASSERT_TRUE(host.sendTo(link->boundPort(), datagram));
    const auto message = nextMessage(*link);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->size(), GetParam());
    EXPECT_TRUE(*message == datagram);
    EXPECT_EQ(link->peekLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SocketLinkDatagramSize, ::testing::Values(1, 15999, 16000));

TEST(SocketLink, DatagramsLongerThanTheReceiveAreaGiveNoMessageAndTheLinkGoesOn)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    for (std::size_t size : {16001u, 20000u}) {
        ASSERT_TRUE(host.sendTo(link->boundPort(), datagramOfSize(size)));
        // Datagrams from one peer on loopback arrive in order: the marker
        // coming first proves the long one left nothing behind.
        ASSERT_TRUE(host.sendTo(link->boundPort(), "after"));
        EXPECT_EQ(nextMessage(*link), "after") << size;
    }
    ASSERT_TRUE(host.sendTo(link->boundPort(), "still working"));
    EXPECT_EQ(nextMessage(*link), "still working");
}

TEST(SocketLink, DatagramsArrivingTogetherStaySeparate)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    // Few enough to fit the socket's 16000-byte receive buffer together.
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(host.sendTo(link->boundPort(), "QVL_IP_COORD:" + std::to_string(i)));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(nextMessage(*link), "QVL_IP_COORD:" + std::to_string(i));
}

TEST(SocketLink, OnlyTheConnectedHostIsHeard)
{
    UdpPeer host;
    UdpPeer stranger;
    auto link = openLinkTo(host.port());
    ASSERT_TRUE(stranger.sendTo(link->boundPort(), "from a stranger"));
    ASSERT_TRUE(host.sendTo(link->boundPort(), "from the host"));
    EXPECT_EQ(nextMessage(*link), "from the host");
}

TEST(SocketLink, EachWriteIsOneDatagramWithExactlyItsBytes)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    write(*link, "QVL_PENDRA_8:3");
    write(*link, "QVL_PENDRA_4");
    EXPECT_EQ(host.receive(), "QVL_PENDRA_8:3");
    EXPECT_EQ(host.receive(), "QVL_PENDRA_4");
}

TEST(SocketLink, WriteWithANullTextOrANegativeCountFailsAndSendsNothing)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    const std::string text = "QVL_PENDRA_4";
    EXPECT_EQ(link->write(nullptr, 12, 0), SocketLink::kFailureCode);
    EXPECT_EQ(link->write(nullptr, 0, 0), SocketLink::kFailureCode);
    EXPECT_EQ(link->write(text.data(), -1, 0), SocketLink::kFailureCode);
    // Nothing was queued: the next datagram is the next good write's.
    write(*link, "QVL_PENDRA_5");
    EXPECT_EQ(host.receive(), "QVL_PENDRA_5");
    EXPECT_FALSE(host.receive(300ms));
}

TEST(SocketLink, TwoWritersNeverLoseOrMergeADatagram)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    constexpr int kEach = 300;
    auto writer = [&](char name) {
        for (int i = 0; i < kEach; ++i) {
            write(*link, std::string(1, name) + "-" + std::to_string(i));
            if (i % 20 == 0)
                std::this_thread::sleep_for(1ms);
        }
    };
    std::thread first(writer, 'A');
    std::thread second(writer, 'B');
    // Taken while the writers write: the peer's buffer need not hold them all.
    std::vector<std::string> received;
    while (received.size() < 2 * kEach) {
        auto datagram = host.receive();
        if (!datagram)
            break;
        received.push_back(std::move(*datagram));
    }
    first.join();
    second.join();

    ASSERT_EQ(received.size(), 2u * kEach);
    int nextA = 0;
    int nextB = 0;
    for (const std::string& datagram : received) {
        int& expected = datagram[0] == 'A' ? nextA : nextB;
        // Each writer's texts arrive whole and in the order it wrote them.
        EXPECT_EQ(datagram, datagram.substr(0, 1) + "-" + std::to_string(expected));
        ++expected;
    }
    EXPECT_EQ(nextA, kEach);
    EXPECT_EQ(nextB, kEach);
}

TEST(SocketLink, WriteMadeDuringAFlushIsNotLeftWaiting)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    // Writes keep landing while the receive thread flushes; after the last
    // one nothing else is written, so it must go out on its own.
    for (int round = 0; round < 200; ++round) {
        for (int i = 0; i <= round % 7; ++i)
            write(*link, "r" + std::to_string(round) + "-" + std::to_string(i));
        std::this_thread::sleep_for(std::chrono::microseconds(50 * (round % 5)));
    }
    write(*link, "last");
    std::optional<std::string> datagram;
    int count = 0;
    while ((datagram = host.receive()) && *datagram != "last")
        ++count;
    EXPECT_EQ(datagram, "last");
    EXPECT_GT(count, 0);
}

TEST(SocketLink, KeepsRunningAfterTheHostPortRefused)
{
    const int hostPort = closedUdpPort();
    auto link = std::make_unique<SocketLink>("127.0.0.1", hostPort);
    link->setLocalEndpoint("127.0.0.1", 1, 0);
    ASSERT_EQ(link->open(), 0);
    // Nothing listens there: the sends are refused and the next receive fails once.
    write(*link, "QVL_PENDRA_8:3");
    write(*link, "QVL_PENDRA_1");
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(link->isOpen());

    // The host comes up on its port: the same link hears it and reaches it.
    UdpPeer host(hostPort);
    ASSERT_TRUE(host.sendTo(link->boundPort(), "Version:2"));
    EXPECT_EQ(nextMessage(*link), "Version:2");
    write(*link, "QVL_PENDRA_8:3");
    EXPECT_EQ(host.receive(), "QVL_PENDRA_8:3");
}

TEST(SocketLink, ASendThatMeetsAnEarlierRefusalIsMadeAgain)
{
    auto link = openLinkTo(closedUdpPort());
    // Each refused datagram leaves its refusal for the next send of the same
    // flush, which fails without sending: retried, every datagram leaves.
    for (int i = 0; i < 50; ++i)
        write(*link, "QVL_PENDRA_4");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(link->failedSends(), 0u) << link->status();
    EXPECT_GT(link->refusals(), 0u);
}

TEST(SocketLink, ResetOnAnOpenLinkEndsItFirst)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    ASSERT_TRUE(host.sendTo(link->boundPort(), "QVL_IP_COORD:1,2,3,4,5,6"));
    ASSERT_TRUE(nextMessage(*link));
    link->reset();
    EXPECT_FALSE(link->isOpen());
    write(*link, "QVL_PENDRA_1");
    EXPECT_FALSE(host.receive(300ms));
    link.reset(); // and destroying it afterwards is clean
}

TEST(SocketLink, TerminatorChangedWhileReceivingTakesEffectWithTheNextDatagram)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    std::atomic<bool> streaming{true};
    const int port = link->boundPort();
    // A bounded stream: a flood that fills the link's receive buffer would
    // make the kernel drop the datagram that matters below.
    std::thread stream([&] {
        for (int sent = 0; streaming && sent < 100; ++sent)
            host.sendTo(port, "A\nB\n");
    });
    ASSERT_TRUE(waitUntil([&] { return link->peekLength() > 0; }));
    link->setTerminator('\n');
    streaming = false;
    stream.join();
    ASSERT_TRUE(host.sendTo(port, "x\ny\n"));
    // What was still on its way comes first, framed either way.
    std::string message;
    for (int i = 0; i < 100000 && message != "x\n"; ++i) {
        const auto next = nextMessage(*link);
        ASSERT_TRUE(next);
        message = *next;
        EXPECT_TRUE(message == "A\n" || message == "B\n" || message == "A\nB\n" || message == "x\n")
            << message;
    }
    EXPECT_EQ(nextMessage(*link), "y\n");
}

TEST(SocketLink, OpeningAnOpenLinkReplacesItsSocket)
{
    UdpPeer first;
    UdpPeer second;
    auto link = openLinkTo(first.port());
    EXPECT_EQ(link->openTo("127.0.0.1", second.port()), 0);
    EXPECT_TRUE(link->isOpen());
    write(*link, "to the second");
    EXPECT_EQ(second.receive(), "to the second");
    EXPECT_FALSE(first.receive(200ms));
}

TEST(SocketLink, OpensWithNoHostListeningAndWriteStillReturnsZero)
{
    auto link = std::make_unique<SocketLink>("127.0.0.1", closedUdpPort());
    link->setLocalEndpoint("127.0.0.1", 1, 0);
    EXPECT_EQ(link->open(), 0);
    EXPECT_TRUE(link->isOpen());
    for (int i = 0; i < 5; ++i)
        write(*link, "nobody hears this");
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(link->isOpen());
}

TEST(SocketLink, CloseOnANeverOpenedLinkChangesNothing)
{
    SocketLink link("127.0.0.1", 7712);
    EXPECT_EQ(link.close(), 1);
    EXPECT_EQ(link.close(), 1);
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.hasStatus());
}

TEST(SocketLink, ClosedLinkDropsWhatWasReceivedAndStopsSending)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    ASSERT_TRUE(host.sendTo(link->boundPort(), "waiting"));
    ASSERT_TRUE(waitUntil([&] { return link->peekLength() > 0; }));
    EXPECT_EQ(link->close(), 1);
    EXPECT_FALSE(link->isOpen());
    EXPECT_EQ(link->peekLength(), 0);
    write(*link, "after close");
    EXPECT_FALSE(host.receive(300ms));
    EXPECT_EQ(link->close(), 1);
}

TEST(SocketLink, DestroyingWhileDatagramsStreamInIsClean)
{
    UdpPeer host;
    std::atomic<int> target{0};
    std::atomic<bool> streaming{true};
    std::thread flood([&] {
        while (streaming) {
            if (const int port = target.load())
                host.sendTo(port, "QVL_IP_COORD:1.0,2.0,3.0,4.0,5.0,6.0");
            else
                std::this_thread::yield();
        }
    });
    for (int round = 0; round < 10; ++round) {
        auto link = openLinkTo(host.port());
        target = link->boundPort();
        ASSERT_TRUE(waitUntil([&] { return link->peekLength() > 0; }));
        write(*link, "QVL_PENDRA_9");
        link.reset();
        target = 0;
    }
    streaming = false;
    flood.join();
}

TEST(SocketLink, CloseEndsTheLinkWhileTheHostFloodsIt)
{
    UdpPeer host;
    auto link = openLinkTo(host.port());
    std::atomic<bool> streaming{true};
    const int port = link->boundPort();
    std::thread flood([&] {
        while (streaming)
            host.sendTo(port, "QVL_IP_COORD:9,9,9,9,9,9");
    });
    ASSERT_TRUE(waitUntil([&] { return link->peekLength() > 0; }));
    EXPECT_EQ(link->close(), 1);
    EXPECT_FALSE(link->isOpen());
    streaming = false;
    flood.join();
}

TEST(SocketLinkOpenFailure, BindToAnAddressOfAnotherMachine)
{
    if (runsUnderWine())
        GTEST_SKIP() << "wine binds addresses that are not this machine's";
    // 192.0.2.1 is reserved for documentation: never one of this machine's.
    SocketLink link("127.0.0.1", 7712);
    link.setLocalEndpoint("192.0.2.1", 1, 0);
    EXPECT_EQ(link.open(), SocketLink::kFailureCode);
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(link.status(), "Init: Couldn't bind to 192.0.2.1 ! ");
    EXPECT_EQ(link.lastError(),
              failure("Init: Couldn't bind to 192.0.2.1 ! ", addressNotAvailableCode()));
    EXPECT_EQ(link.openErrorCode(), addressNotAvailableCode());
    EXPECT_EQ(link.close(), 1);
}

TEST(SocketLinkOpenFailure, BindToAPortInUse)
{
    UdpPeer holder;
    SocketLink link("127.0.0.1", 7712);
    link.setLocalEndpoint("127.0.0.1", 1, holder.port());
    EXPECT_EQ(link.open(), SocketLink::kFailureCode);
    EXPECT_EQ(link.lastError(), failure("Init: Couldn't bind to 127.0.0.1 ! ", addressInUseCode()));
    EXPECT_FALSE(link.isOpen());
}

TEST(SocketLinkOpenFailure, PortsOutsideTheRangeAreRefusedNotWrapped)
{
    SocketLink local("127.0.0.1", 7712);
    local.setLocalEndpoint("127.0.0.1", 1, 70000);
    EXPECT_EQ(local.open(), SocketLink::kFailureCode);
    EXPECT_EQ(local.lastError(),
              failure("Init: Couldn't bind to 127.0.0.1 ! ", invalidArgumentCode()));
    EXPECT_FALSE(local.isOpen());

    SocketLink remote("127.0.0.1", -1);
    remote.setLocalEndpoint("127.0.0.1", 1, 0);
    EXPECT_EQ(remote.open(), SocketLink::kFailureCode);
    EXPECT_EQ(remote.lastError(),
              failure("Init: Couldn't connect to 127.0.0.1 ! ", invalidArgumentCode()));
    EXPECT_EQ(remote.openErrorCode(), invalidArgumentCode());
    EXPECT_FALSE(remote.isOpen());
}

TEST(SocketLinkOpenFailure, AddressesMustBeDottedAndAreNeverLookedUp)
{
    for (const char* text : {"localhost", "", "255.255.255.255x", "1.2.3", "127.0.0.1 "}) {
        SocketLink link(text, 7712);
        link.setLocalEndpoint("127.0.0.1", 1, 0);
        EXPECT_EQ(link.open(), SocketLink::kFailureCode) << text;
        EXPECT_EQ(link.status(), std::string("Init: Couldn't connect to ") + text + " ! ");
        EXPECT_FALSE(link.isOpen());
    }
    SocketLink link("127.0.0.1", 7712);
    link.setLocalEndpoint("localhost", 1, 0);
    EXPECT_EQ(link.open(), SocketLink::kFailureCode);
    EXPECT_EQ(link.lastError(),
              failure("Init: Couldn't bind to localhost ! ", invalidArgumentCode()));
}

TEST(SocketLinkOpenFailure, StreamModeWithNoServerFailsAtConnect)
{
    // A stream socket bound but not listening refuses connections.
    const TcpServer server(false);
    SocketLink link("127.0.0.1", server.port());
    link.setLocalEndpoint("192.0.2.1", 0, 5);
    EXPECT_EQ(link.open(), SocketLink::kFailureCode);
    EXPECT_EQ(link.lastError(),
              failure("Init: Couldn't connect to 127.0.0.1 ! ", connectionRefusedCode()));
    EXPECT_FALSE(link.isOpen());
}

TEST(SocketLink, StreamModeSendsAndReceivesOverAConnection)
{
    TcpServer server(true);
    SocketLink link("127.0.0.1", server.port());
    ASSERT_EQ(link.open(), 0) << link.lastError();
    ASSERT_TRUE(server.accept());
    write(link, "QVL_PENDRA_2");
    EXPECT_EQ(server.receive(), "QVL_PENDRA_2");
    ASSERT_TRUE(server.send("Version:2"));
    EXPECT_EQ(nextMessage(link), "Version:2");
    link.close();
}
