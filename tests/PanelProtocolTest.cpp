#include "panel/PanelProtocol.h"

#include <cmath>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace pendra;
using ::testing::ElementsAre;

namespace {

// What C's "%.4lf" prints in the C locale, with room for any double.
std::string printfReadout(double value)
{
    std::vector<char> buffer(512);
    std::snprintf(buffer.data(), buffer.size(), "%.4lf", value);
    return buffer.data();
}

} // namespace

TEST(PanelProtocolTexts, CommandTableRowsInButtonOrder)
{
    const std::vector<std::tuple<std::string, int, int>> expected = {
        {"QVL_PENDRA_1", 0x70, 132}, {"QVL_PENDRA_2", 0x71, 133}, {"QVL_PENDRA_3", 0x72, 134},
        {"QVL_PENDRA_4", 0x73, 140}, {"QVL_PENDRA_5", 0x74, 141},
    };
    ASSERT_EQ(buttonCommands.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(buttonCommands[i].text, std::get<0>(expected[i]));
        EXPECT_EQ(buttonCommands[i].keyCode, std::get<1>(expected[i]));
        EXPECT_EQ(buttonCommands[i].bitmapId, std::get<2>(expected[i]));
        EXPECT_EQ(commandForButton(i), std::get<0>(expected[i]));
    }
    EXPECT_EQ(commandForButton(5), "");
}

TEST(PanelProtocolTexts, GreetingAndAcknowledgement)
{
    EXPECT_EQ(buildGreeting(), "QVL_PENDRA_8:3");
    EXPECT_EQ(kAcknowledgement, "QVL_PENDRA_9");
}

TEST(PanelProtocolTexts, OnlyF1ToF5HaveCommands)
{
    EXPECT_EQ(commandForKey(0x70), "QVL_PENDRA_1");
    EXPECT_EQ(commandForKey(0x74), "QVL_PENDRA_5");
    for (unsigned key : {0u, 0x1Bu, 0x6Fu, 0x75u, 0x7Bu, 0x170u, 0x10070u})
        EXPECT_FALSE(commandForKey(key)) << key;
}

TEST(PanelProtocolClassify, VersionWinsOverCoordinates)
{
    EXPECT_EQ(classify("Version:2 QVL_IP_COORD:1,2,3,4,5,6"), HostMessageKind::Version);
    EXPECT_EQ(classify("QVL_IP_COORD2:1,2,3,4,5,6,7,8,9Version:"), HostMessageKind::Version);
}

TEST(PanelProtocolClassify, MarkersAreWholeCaseSensitiveSubstringsAnywhere)
{
    EXPECT_EQ(classify("abcQVL_IP_COORD:1,2,3,4,5,6"), HostMessageKind::Coordinates);
    EXPECT_EQ(classify("QVL_IP_COORD2:1,2,3,4,5,6,7,8,9"), HostMessageKind::CoordinatesWithErrors);
    EXPECT_EQ(classify("version:2"), HostMessageKind::Other);
    EXPECT_EQ(classify("QVL_IP_COORD"), HostMessageKind::Other);
    EXPECT_EQ(classify("QVL_PENDRA_9"), HostMessageKind::Other);
    EXPECT_EQ(classify(""), HostMessageKind::Other);
}

TEST(PanelProtocolVersion, ReadsTheIntegerAfterTheFirstMarker)
{
    EXPECT_EQ(parseVersion("Version:2"), 2);
    EXPECT_EQ(parseVersion("Version: 2"), 2);
    EXPECT_EQ(parseVersion("Host Version:\t7 ready"), 7);
    EXPECT_EQ(parseVersion("Version:+3"), 3);
    EXPECT_EQ(parseVersion("Version:-1"), -1);
    EXPECT_EQ(parseVersion("Version:4Version:9"), 4);
    EXPECT_EQ(parseVersion("Version:12abc"), 12);
}

TEST(PanelProtocolVersion, NoNumberOrOneBeyond32BitsIsNotRead)
{
    EXPECT_FALSE(parseVersion("Version:"));
    EXPECT_FALSE(parseVersion("Version:abc"));
    EXPECT_FALSE(parseVersion("Version:--2"));
    EXPECT_FALSE(parseVersion("nothing here"));
    EXPECT_EQ(parseVersion("Version:2147483647"), 2147483647);
    EXPECT_EQ(parseVersion("Version:-2147483648"), std::numeric_limits<int>::min());
    EXPECT_FALSE(parseVersion("Version:2147483648"));
    EXPECT_FALSE(parseVersion("Version:-2147483649"));
    EXPECT_FALSE(parseVersion("Version:99999999999999999999999"));
}

TEST(PanelProtocolCoordinates, SixAndNineNumbersInMessageOrder)
{
    EXPECT_THAT(parseCoordinates("abcQVL_IP_COORD:1,2,3,4,5,6", false),
                ElementsAre(1, 2, 3, 4, 5, 6));
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD2:1.5,-2,3e2,4,5,6,0.001,-0.002,7", true),
                ElementsAre(1.5, -2, 300, 4, 5, 6, 0.001, -0.002, 7));
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD: 1, +2,\t3,4,5,6,7,8", false),
                ElementsAre(1, 2, 3, 4, 5, 6));
}

TEST(PanelProtocolCoordinates, ReadingStopsWhereThePatternBreaks)
{
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:1,2,3", false), ElementsAre(1, 2, 3));
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:1,,3,4,5,6", false), ElementsAre(1));
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:1 ,2,3,4,5,6", false), ElementsAre(1));
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:x", false), ElementsAre());
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:", false), ElementsAre());
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:+-1", false), ElementsAre());
    EXPECT_THAT(parseCoordinates("no marker", false), ElementsAre());
}

TEST(PanelProtocolCoordinates, ExtremeValuesAreReadWithoutHarm)
{
    const auto values = parseCoordinates("QVL_IP_COORD:1e308,-1e308,inf,-inf,nan,1e-320", false);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], 1e308);
    EXPECT_EQ(values[1], -1e308);
    EXPECT_TRUE(std::isinf(values[2]) && values[2] > 0);
    EXPECT_TRUE(std::isinf(values[3]) && values[3] < 0);
    EXPECT_TRUE(std::isnan(values[4]));
    EXPECT_GT(values[5], 0);
    // A number beyond double's range ends the reading there.
    EXPECT_THAT(parseCoordinates("QVL_IP_COORD:1,1e999,3,4,5,6", false), ElementsAre(1));
}

TEST(PanelProtocolReadout, FourDecimalsFixedPoint)
{
    EXPECT_EQ(formatReadout(12.5), "12.5000");
    EXPECT_EQ(formatReadout(-0.25), "-0.2500");
    EXPECT_EQ(formatReadout(0), "0.0000");
    EXPECT_EQ(formatReadout(1), "1.0000");
    EXPECT_EQ(formatReadout(123456.78901), "123456.7890");
}

TEST(PanelProtocolReadout, MatchesPrintfWhereEveryDigitIsTrue)
{
    for (double value : {0.00005, 0.00004999, -0.00005, 2.00005, 1234.56785, 1e-300, -0.0, 0.1,
                         99999999999.9999, -12345678901.2345})
        EXPECT_EQ(formatReadout(value), printfReadout(value)) << value;
}

// A value that four decimals would misstate shows a marker that cannot be
// read as a number: digits the host never sent, or no number at all.
TEST(PanelProtocolReadout, ValuesItCannotShowTrulyShowTheMarker)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {1e308, -1e308, std::numeric_limits<double>::max(), inf, -inf,
                         std::numeric_limits<double>::quiet_NaN(), 12345678901234567890.0, 1e22,
                         123456789012.3456})
        EXPECT_EQ(formatReadout(value), kUnreadableReadout) << value;
}

TEST(PanelProtocolAcknowledgement, OnlyHostsAboveVersionOne)
{
    EXPECT_FALSE(acknowledgesCoordinates(kInitialHostVersion));
    EXPECT_FALSE(acknowledgesCoordinates(0));
    EXPECT_FALSE(acknowledgesCoordinates(-5));
    EXPECT_TRUE(acknowledgesCoordinates(2));
    EXPECT_TRUE(acknowledgesCoordinates(PanelProtocolVersion));
}
