#include "tests/PanelWindowFixture.h"

using namespace pendra;
using namespace pendra::test;

namespace {

// What IT enforces wins over the operator's own values, shows where the
// operator would change it, and is never stored as the operator's.
using EnforcedValuesTest = PanelWindowTest;

QAction* fullScreenItem(const PanelWindow& window)
{
    return window.findChild<QAction*>("actionFullScreen");
}

} // namespace

TEST_F(EnforcedValuesTest, SetupShowsThemReadOnlyAndTheOperatorsOwnStay)
{
    UdpPeer itsHost;
    scratch.setEnforced("Remote_IP_Port", QString::number(itsHost.port()));
    scratch.setEnforced("Language", "en");
    openPanel(false);
    ASSERT_EQ(itsHost.receive(10s), "QVL_PENDRA_8:3");

    whenModalAppears<SetupDialog>([&](SetupDialog* dialog) {
        auto* port = dialog->findChild<QLineEdit*>("remotePortEdit");
        EXPECT_EQ(port->text(), QString::number(itsHost.port()));
        EXPECT_TRUE(port->isReadOnly());
        EXPECT_EQ(port->accessibleDescription(), "Set by your administrator");
        EXPECT_FALSE(dialog->findChild<QLineEdit*>("remoteAddressEdit")->isReadOnly());
        EXPECT_TRUE(dialog->findChild<QLabel*>("enforcedNote")->isVisible());
        dialog->grab().save(PENDRA_SCREENSHOT_DIR "/setup-enforced.png");
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    window->runSetup();
    ASSERT_EQ(itsHost.receive(10s), "QVL_PENDRA_8:3");
    EXPECT_EQ(settings.openStore()->value("Remote_IP_Port").toInt(), host.port())
        << "the operator's own port waits for the rule to go";

    auto* languages = window->findChild<QMenu*>("languageMenu");
    EXPECT_EQ(languages->title(), "La&nguage (set by your administrator)");
    for (QAction* item : languages->actions())
        EXPECT_TRUE(item->isSeparator() || !item->isEnabled()) << item->text().toStdString();
}

TEST_F(EnforcedValuesTest, FullScreenAsItSaysWhateverTheOperatorDoes)
{
    scratch.setEnforced("Window_FullScreen", 1);
    store("Window_FullScreen", 0);
    openPanel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    EXPECT_FALSE(fullScreenItem(*window)->isEnabled());
    EXPECT_EQ(fullScreenItem(*window)->text(), "&Full screen (set by your administrator)");
    QTest::keyClick(button("doneButton"), Qt::Key_Escape);
    QTest::qWait(100);
    EXPECT_TRUE(window->isFullScreen() && window->isVisible());
    window->close();
    EXPECT_EQ(settings.openStore()->value("Window_FullScreen").toInt(), 0);
}

TEST_F(EnforcedValuesTest, MachineFullScreenOpensFullScreenUntilTheOperatorChooses)
{
    scratch.setMachine("Window_FullScreen", 1);
    openPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    window->close();
    EXPECT_FALSE(settings.openStore()->contains("Window_FullScreen"));
    window.reset();
    openPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    fullScreenItem(*window)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, 5000));
    window->close();
    EXPECT_EQ(settings.openStore()->value("Window_FullScreen").toInt(), 0);
}
