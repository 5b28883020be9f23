#include "tools/hostsim/HostSimulator.h"

#include "panel/PanelProtocol.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace pendra;
using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

namespace {

class HostSimulatorTest : public ::testing::Test
{
protected:
    HostSimulator::Reaction hear(std::string_view datagram, std::chrono::milliseconds at)
    {
        return simulator.receive(datagram, start + at);
    }

    HostSimulator::Clock::time_point start = HostSimulator::Clock::now();
    HostSimulator simulator{HostSimulator::Options{}};
};

} // namespace

TEST_F(HostSimulatorTest, AnswersTheFirstGreetingButNotThePanelsReplyToIt)
{
    const auto first = hear("QVL_PENDRA_8:3", 0ms);
    EXPECT_EQ(first.meaning, "greeting, panel version 3");
    EXPECT_THAT(first.replies, ElementsAre("Version:2"));
    // The panel greets again right after our version message.
    EXPECT_THAT(hear("QVL_PENDRA_8:3", 30ms).replies, IsEmpty());
    // After a silence it is a new start (a restart, or a new panel).
    EXPECT_THAT(hear("QVL_PENDRA_8:3", 2000ms).replies, ElementsAre("Version:2"));
    EXPECT_EQ(simulator.summary().greetings, 3u);
    EXPECT_EQ(simulator.summary().panelVersion, 3);
}

TEST_F(HostSimulatorTest, TheFirstGreetingWithinTheBoundOfOurVersionIsItsAnswer)
{
    // Without the quiet rule: only our own versions decide.
    HostSimulator host({2, false, 0ms});
    EXPECT_THAT(host.receive("QVL_PENDRA_8:3", start).replies, ElementsAre("Version:2"));
    EXPECT_THAT(host.receive("QVL_PENDRA_8:3", start + 10ms).replies, IsEmpty());
    // One more is a panel that opened again, as is one after the bound.
    EXPECT_THAT(host.receive("QVL_PENDRA_8:3", start + 20ms).replies, ElementsAre("Version:2"));
    EXPECT_THAT(host.receive("QVL_PENDRA_8:3", start + 20ms + kGreetingAnswerBound).replies,
                ElementsAre("Version:2"));
    // A scripted version is answered by the panel all the same.
    host.countSent("Version:7", true, start + 5s);
    EXPECT_THAT(host.receive("QVL_PENDRA_8:3", start + 5s + 1ms).replies, IsEmpty());
}

TEST_F(HostSimulatorTest, TrafficJustBeforeAGreetingMeansThePanelIsNotNew)
{
    hear("QVL_PENDRA_8:3", 0ms);
    hear("QVL_PENDRA_9", 1000ms);
    EXPECT_THAT(hear("QVL_PENDRA_8:3", 1100ms).replies, IsEmpty());
}

TEST_F(HostSimulatorTest, NamesEveryCommandAndCountsIt)
{
    const std::vector<std::string> meanings = {"Done", "Delete", "Move Pt.", "STOP EXECUTION",
                                               "CONTINUE EXECUTION"};
    for (std::size_t i = 0; i < meanings.size(); ++i)
        EXPECT_EQ(hear(buttonCommands[i].text, 0ms).meaning, meanings[i]);
    EXPECT_EQ(hear("QVL_PENDRA_9", 0ms).meaning, "acknowledgement");
    EXPECT_EQ(hear("QVL_PENDRA_7", 0ms).meaning, "unknown");
    EXPECT_THAT(hear("QVL_PENDRA_8:", 0ms).meaning, StartsWith("greeting, panel version "));
    const auto& summary = simulator.summary();
    EXPECT_THAT(summary.commands, ElementsAre(1u, 1u, 1u, 1u, 1u));
    EXPECT_EQ(summary.acknowledgements, 1u);
    EXPECT_EQ(summary.unknown, 1u);
    EXPECT_FALSE(summary.panelVersion);
}

TEST_F(HostSimulatorTest, StopPausesTheStreamAndContinueResumesIt)
{
    EXPECT_TRUE(simulator.streaming());
    EXPECT_THAT(hear("QVL_PENDRA_4", 0ms).replies, IsEmpty());
    EXPECT_FALSE(simulator.streaming());
    hear("QVL_PENDRA_2", 0ms);
    EXPECT_FALSE(simulator.streaming());
    hear("QVL_PENDRA_5", 0ms);
    EXPECT_TRUE(simulator.streaming());
}

TEST_F(HostSimulatorTest, DoneIsAnsweredWithAMeasuredFeature)
{
    simulator.coordinatesAt(12.0);
    const auto reaction = hear("QVL_PENDRA_1", 0ms);
    ASSERT_EQ(reaction.replies.size(), 1u);
    EXPECT_EQ(classify(reaction.replies[0]), HostMessageKind::CoordinatesWithErrors);
    EXPECT_EQ(parseCoordinates(reaction.replies[0], true).size(), 9u);
    // Where the probe was last streamed.
    const auto position = parseCoordinates(simulator.coordinatesAt(12.0), false);
    const auto feature = parseCoordinates(reaction.replies[0], true);
    EXPECT_TRUE(std::equal(position.begin(), position.end(), feature.begin()));
}

TEST_F(HostSimulatorTest, StreamsASmoothPathThePanelCanRead)
{
    const auto here = parseCoordinates(simulator.coordinatesAt(5.0), false);
    const auto next = parseCoordinates(simulator.coordinatesAt(5.1), false);
    ASSERT_EQ(here.size(), 6u);
    ASSERT_EQ(next.size(), 6u);
    EXPECT_NE(here[0], next[0]);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_LT(std::abs(here[i] - next[i]), 15.0) << "axis " << i << " jumps";

    HostSimulator withErrors({2, true, 300ms});
    EXPECT_THAT(withErrors.coordinatesAt(1.0), StartsWith("QVL_IP_COORD2:"));
    EXPECT_EQ(parseCoordinates(withErrors.coordinatesAt(1.0), true).size(), 9u);
}

TEST_F(HostSimulatorTest, SummaryCountsWhatWasSentAndWhatCameBack)
{
    simulator.countSent("Version:2", false, start);
    for (int i = 0; i < 4; ++i)
        simulator.countSent(simulator.coordinatesAt(i), false, start);
    simulator.countSent("QVL_IP_COORD:1,2,3,4,5,6", true, start);
    hear("QVL_PENDRA_8:3", 0ms);
    hear("QVL_PENDRA_9", 10ms);
    hear("QVL_PENDRA_9", 20ms);
    hear("QVL_PENDRA_4", 30ms);
    const auto& summary = simulator.summary();
    EXPECT_EQ(summary.messagesSent, 6u);
    EXPECT_EQ(summary.versionsSent, 1u);
    EXPECT_EQ(summary.coordinatesSent, 5u);
    EXPECT_EQ(summary.scriptedSent, 1u);
    EXPECT_EQ(summary.unacknowledged(), 3u);
    const std::string text = simulator.summaryText();
    EXPECT_NE(text.find("summary: greetings 1 (panel version 3)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("summary: QVL_PENDRA_4 STOP EXECUTION: 1\n"), std::string::npos);
    EXPECT_NE(text.find("summary: acknowledgements: 2\n"), std::string::npos);
    EXPECT_NE(text.find("summary: coordinate messages unacknowledged: 3\n"), std::string::npos);
}

TEST(HostSimulatorLog, NoDatagramCanDriveTheTerminal)
{
    static constexpr char kBytes[] = "\x1b]0;owned\x07\x1b[2J\0\xff\\x41 ok\r\n\t~";
    const std::string hostile(kBytes, sizeof kBytes - 1);
    EXPECT_EQ(printableText(hostile), "\\x1B]0;owned\\x07\\x1B[2J\\x00\\xFF\\\\x41 ok\\r\\n\\t~");
    EXPECT_EQ(printableText("QVL_PENDRA_8:3"), "QVL_PENDRA_8:3");
}
