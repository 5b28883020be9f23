// Addresses are dotted IPv4 texts, read and written the same on every system.
#include "net/SocketApi.h"

#include <gtest/gtest.h>

using namespace pendra;

TEST(DottedIPv4, ReadsFourDecimalNumbers)
{
    EXPECT_EQ(socketapi::parseIPv4("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(socketapi::parseIPv4("10.1.2.3"), 0x0A010203u);
    EXPECT_EQ(socketapi::parseIPv4("0.0.0.0"), 0u);
    EXPECT_EQ(socketapi::parseIPv4("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(socketapi::parseIPv4("192.168.100.200"), 0xC0A864C8u);
}

TEST(DottedIPv4, WritesWhatItReads)
{
    EXPECT_EQ(socketapi::formatIPv4(0x7F000001u), "127.0.0.1");
    EXPECT_EQ(socketapi::formatIPv4(0u), "0.0.0.0");
    EXPECT_EQ(socketapi::formatIPv4(0xFFFFFFFFu), "255.255.255.255");
    EXPECT_EQ(socketapi::formatIPv4(0x0A000005u), "10.0.0.5");
    for (const char* text : {"1.2.3.4", "10.0.0.20", "172.16.254.1", "100.64.0.99"}) {
        const auto address = socketapi::parseIPv4(text);
        ASSERT_TRUE(address) << text;
        EXPECT_EQ(socketapi::formatIPv4(*address), text);
    }
}

// Anything else is no address: no name, no other notation, no leading zero
// (which some readers take as octal), nothing around it.
TEST(DottedIPv4, TakesNothingElse)
{
    const std::string rejected[] = {
        "",           "localhost",  "1.2.3",    "1.2.3.4.5",  "256.0.0.1",
        "1.2.3.256",  "1234.0.0.1", "01.2.3.4", "1.2.3.04",   "00.0.0.0",
        "0x7f.0.0.1", "+1.2.3.4",   "-1.2.3.4", " 1.2.3.4",   "1.2.3.4 ",
        "1.2.3.4.",   ".1.2.3.4",   "1..2.3",   "1.2.3.4x",   "127.1",
        "2130706433", "1.2.3.\t4",  "::1",      "1.2.3.4/24", "1.2.3.4:7712",
    };
    for (const std::string& text : rejected)
        EXPECT_FALSE(socketapi::parseIPv4(text)) << '"' << text << '"';
    EXPECT_FALSE(socketapi::parseIPv4(std::string("127.0.0.1\0junk", 14)));
}

TEST(DottedIPv4, LoopbackIsTheWhole127Network)
{
    EXPECT_TRUE(socketapi::isLoopback(*socketapi::parseIPv4("127.0.0.1")));
    EXPECT_TRUE(socketapi::isLoopback(*socketapi::parseIPv4("127.255.0.9")));
    EXPECT_FALSE(socketapi::isLoopback(*socketapi::parseIPv4("128.0.0.1")));
    EXPECT_FALSE(socketapi::isLoopback(*socketapi::parseIPv4("10.0.0.127")));
}
