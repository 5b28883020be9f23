// The system asks the program to end with a signal: the panel closes as
// Exit does.
#include "tests/PanelWindowFixture.h"
#include "ui/EndRequests.h"

#include <csignal>

using namespace pendra;
using namespace pendra::test;

// SIGTERM closes the panel as Exit does: the press just made leaves, and
// the window's placement is stored.
TEST_F(PanelWindowTest, ATerminationSignalClosesThePanelAsExitDoes)
{
    openPanel();
    const EndRequests endRequests([this] { window->reject(); });
    window->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == 900; }, 10000));
    ASSERT_TRUE(settings.openStore()->value("Window_Geometry").isNull());

    QTest::keyClick(window.get(), Qt::Key_F4);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 10000));
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(connection.hasLink());
    EXPECT_EQ(host.receive(10s), "QVL_PENDRA_4");

    const auto stored = settings.openStore();
    QWidget restored;
    EXPECT_TRUE(restored.restoreGeometry(stored->value("Window_Geometry").toByteArray()));
    EXPECT_EQ(restored.size(), QSize(900, 700));
    EXPECT_EQ(stored->value("Window_FullScreen").toInt(), 0);
}
