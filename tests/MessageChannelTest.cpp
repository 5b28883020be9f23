#include "net/MessageChannel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace pendra;
using ::testing::ElementsAre;

namespace {

// A channel without a transport: what it is asked to write is kept.
class RecordingChannel : public MessageChannel
{
public:
    int write(const char* bytes, int count, int /*flag*/) override
    {
        written.emplace_back(bytes, static_cast<std::size_t>(count));
        return 0;
    }
    std::vector<std::string> written;
};

void feedText(MessageChannel& channel, const std::string& text)
{
    channel.feed(text.data(), static_cast<int>(text.size()), 0);
}

std::vector<std::string> readAll(MessageChannel& channel)
{
    std::vector<std::string> messages;
    while (const int length = channel.peekLength()) {
        std::string message(static_cast<std::size_t>(length), '\0');
        EXPECT_EQ(channel.read(message.data(), length), length);
        messages.push_back(message);
    }
    return messages;
}

} // namespace

TEST(MessageChannelChunkFraming, OneChunkIsOneMessageCopiedWithoutNul)
{
    RecordingChannel channel;
    feedText(channel, "QVL_IP_COORD:1");
    EXPECT_EQ(channel.peekLength(), 14);
    std::string buffer(15, '#');
    EXPECT_EQ(channel.read(buffer.data(), 15), 14);
    EXPECT_EQ(buffer, "QVL_IP_COORD:1#");
    EXPECT_EQ(channel.peekLength(), 0);
}

TEST(MessageChannelChunkFraming, ReadNeverWritesPastTheRoomItIsGiven)
{
    RecordingChannel channel;
    feedText(channel, "QVL_IP_COORD:1");
    std::string buffer(8, '#');
    EXPECT_EQ(channel.read(buffer.data(), 5), 14) << "the whole length: it was cut";
    EXPECT_EQ(buffer, "QVL_I###");
    EXPECT_EQ(channel.peekLength(), 0);
}

TEST(MessageChannelChunkFraming, SeparateChunksNeverMerge)
{
    RecordingChannel channel;
    feedText(channel, "abcde");
    feedText(channel, "fghijkl");
    EXPECT_THAT(readAll(channel), ElementsAre("abcde", "fghijkl"));
}

TEST(MessageChannelChunkFraming, ErrorAndEmptyReceivesAreIgnored)
{
    RecordingChannel channel;
    channel.feed("xyz", -1, 0);
    channel.feed("xyz", 0, 0);
    channel.feed(nullptr, 5, 0);
    EXPECT_EQ(channel.peekLength(), 0);
    feedText(channel, "ok");
    EXPECT_THAT(readAll(channel), ElementsAre("ok"));
}

TEST(MessageChannelChunkFraming, NonZeroFlagMakesEveryByteAMessage)
{
    RecordingChannel channel;
    channel.feed("ab", 2, 1);
    EXPECT_THAT(readAll(channel), ElementsAre("a", "b"));
}

TEST(MessageChannelChunkFraming, FullAreaIsDeliveredWholeAndNeverOverrun)
{
    RecordingChannel channel;
    std::string exact(MessageChannel::kPendingCapacity, 'x');
    exact.front() = '<';
    exact.back() = '>';
    feedText(channel, exact);
    std::string oversize(MessageChannel::kPendingCapacity + 4000, 'y');
    oversize[MessageChannel::kPendingCapacity] = 'z';
    feedText(channel, oversize);

    const auto messages = readAll(channel);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], exact);
    EXPECT_EQ(messages[1], oversize.substr(0, MessageChannel::kPendingCapacity));
    EXPECT_EQ(messages[2], oversize.substr(MessageChannel::kPendingCapacity));
}

TEST(MessageChannelTerminatorFraming, MessagesEndAtTheTerminatorAndIncludeIt)
{
    RecordingChannel channel;
    channel.setTerminator('\n');
    feedText(channel, "AB\nE");
    feedText(channel, "F\n");
    feedText(channel, "X\nY\n");
    EXPECT_THAT(readAll(channel), ElementsAre("AB\n", "EF\n", "X\n", "Y\n"));
}

TEST(MessageChannelTerminatorFraming, BytesWaitForALaterTerminator)
{
    RecordingChannel channel;
    channel.setTerminator('\n');
    feedText(channel, "no end yet");
    EXPECT_EQ(channel.peekLength(), 0);
    feedText(channel, "!\n");
    EXPECT_THAT(readAll(channel), ElementsAre("no end yet!\n"));
}

TEST(MessageChannelTerminatorFraming, LongRunWithoutTerminatorIsDeliveredInWholeAreas)
{
    RecordingChannel channel;
    channel.setTerminator('\n');
    const std::string run(MessageChannel::kPendingCapacity + 1, 'r');
    feedText(channel, run);
    feedText(channel, "\n");
    EXPECT_THAT(readAll(channel),
                ElementsAre(std::string(MessageChannel::kPendingCapacity, 'r'), "r\n"));
}

TEST(MessageChannelQueue, ReadOnEmptyQueueLeavesBufferAlone)
{
    RecordingChannel channel;
    char buffer[4] = {'k', 'e', 'e', 'p'};
    EXPECT_EQ(channel.read(buffer, 4), 0);
    EXPECT_EQ(std::string(buffer, 4), "keep");
}

TEST(MessageChannelQueue, NullBufferDiscardsOneMessage)
{
    RecordingChannel channel;
    feedText(channel, "first");
    feedText(channel, "second");
    EXPECT_EQ(channel.read(nullptr, 0), 5);
    EXPECT_THAT(readAll(channel), ElementsAre("second"));
}

TEST(MessageChannelQueue, ClearedQueueTakesNewMessages)
{
    RecordingChannel channel;
    feedText(channel, "old1");
    feedText(channel, "old2");
    EXPECT_EQ(channel.clearReceived(), 1);
    EXPECT_EQ(channel.close(), 1);
    feedText(channel, "new");
    EXPECT_THAT(readAll(channel), ElementsAre("new"));
}

TEST(MessageChannelQueue, FullQueueDropsTheOldestAndKeepsTheNewest)
{
    RecordingChannel channel;
    for (std::size_t i = 0; i < MessageChannel::kReceiveQueueLimit + 5; ++i)
        feedText(channel, "m" + std::to_string(i));
    EXPECT_EQ(channel.droppedMessages(), 5u);
    const auto messages = channel.takeReceived();
    ASSERT_EQ(messages.size(), MessageChannel::kReceiveQueueLimit);
    EXPECT_EQ(messages.front(), "m5");
    EXPECT_EQ(messages.back(), "m" + std::to_string(MessageChannel::kReceiveQueueLimit + 4));
    EXPECT_EQ(channel.peekLength(), 0) << "taking all leaves the queue empty";
}

TEST(MessageChannelCallback, ReceivesTextCutAtNulAndNothingIsQueued)
{
    RecordingChannel channel;
    std::vector<std::string> delivered;
    channel.setDeliveryCallback([&](std::string text) { delivered.push_back(std::move(text)); });
    channel.feed("A\0B", 3, 0);
    EXPECT_THAT(delivered, ElementsAre("A"));
    EXPECT_EQ(channel.peekLength(), 0);

    channel.setDeliveryCallback(nullptr);
    feedText(channel, "queued");
    EXPECT_THAT(readAll(channel), ElementsAre("queued"));
    EXPECT_EQ(delivered.size(), 1u);
}

TEST(MessageChannelWriteWide, SendsLowBytesOfAtMost2048Units)
{
    RecordingChannel channel;
    channel.writeWide(u"QVL_PENDRA_1", 0);
    channel.writeWide(std::u16string(u"\u0141\u0142"), 0);
    channel.writeWide(std::u16string(3000, u'w'), 0);
    channel.writeWide(std::u16string(), 0);
    ASSERT_EQ(channel.written.size(), 4u);
    EXPECT_EQ(channel.written[0], "QVL_PENDRA_1");
    EXPECT_EQ(channel.written[1], "AB");
    EXPECT_EQ(channel.written[2], std::string(MessageChannel::kWideLimit, 'w'));
    EXPECT_EQ(channel.written[3], "");
}

TEST(MessageChannelStatus, StartsEmpty)
{
    RecordingChannel channel;
    EXPECT_EQ(channel.lastError(), "");
    EXPECT_EQ(channel.status(), "");
    EXPECT_FALSE(channel.hasStatus());
    EXPECT_FALSE(channel.isOpen());
    EXPECT_EQ(channel.open(), 0);
}
