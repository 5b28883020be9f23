// What the window shows when its link goes: a Restart onto another host.
#include "tests/PanelWindowFixture.h"

#include <thread>

using namespace pendra;
using namespace pendra::test;

// Readouts the old link posted just before the Restart, while the window was
// busy, never show; the old values stay dimmed until the new host speaks.
TEST_F(PanelWindowTest, ARestartOntoAnotherHostShowsNoneOfTheOldHostsReadouts)
{
    openPanel();
    sendToPanel("QVL_IP_COORD:1,2,3,4,5,6");
    ASSERT_TRUE(waitForText("xValue", "1.0000"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusLine().startsWith("Connected"); }, 10000));
    EXPECT_GT(brightestGreen(label("xValue")), 200);

    // The old link takes these and posts their readouts while the window's
    // thread is busy, just before the Restart.
    sendToPanel("QVL_IP_COORD:9,9,9,9,9,9");
    std::this_thread::sleep_for(300ms);
    UdpPeer newHost;
    settings.remotePort = std::to_string(newHost.port());
    window->restart();
    ASSERT_EQ(newHost.receive(10s), "QVL_PENDRA_8:3");
    QTest::qWait(300);
    EXPECT_EQ(label("xValue")->text(), "1.0000");
    EXPECT_EQ(statusLine(), QString("Waiting for the host at 127.0.0.1:%1").arg(newHost.port()));
    EXPECT_NEAR(brightestGreen(label("xValue")), 102, 25) << "drawn at 40 % brightness";
    EXPECT_TRUE(
        window->grab().save(QStringLiteral(PENDRA_SCREENSHOT_DIR) + "/panel-after-restart.png"));

    ASSERT_TRUE(newHost.sendTo(panelPort, "QVL_IP_COORD:7,2,3,4,5,6"));
    ASSERT_TRUE(waitForText("xValue", "7.0000"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return brightestGreen(label("xValue")) > 200; }, 10000));
}
