// One panel per user, session and settings store: a second start of the
// program brings the running panel to the front and ends, before it reads a
// setting or opens a port.
#include "ui/RunningPanel.h"

#include "tests/PanelWindowFixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <iostream>

using namespace pendra;
using namespace pendra::test;

namespace {

using RunningPanelTest = PanelWindowTest;

// The program under the scratch store's name, so that it reads the test's
// settings and goes by the test's panel's name.
QString programNamed(const QTemporaryDir& folder, const QString& name)
{
    const QFileInfo program(QStringLiteral(PENDRA_PROGRAM));
    const QString suffix = program.suffix().isEmpty() ? QString() : "." + program.suffix();
    const QString copy = folder.filePath(name + suffix);
    return QFile::copy(program.filePath(), copy) ? copy : QString();
}

} // namespace

// The panel is minimised behind its About box. The second start finds the
// port the settings name taken by this panel's link: had it read them, it
// would show a box, which nobody closes here, and never end.
TEST_F(RunningPanelTest, ASecondStartBringsThePanelToTheFrontAndEnds)
{
    openPanel();
    RunningPanel running(settings.storeLocation());
    ASSERT_FALSE(running.handedOver());
    int requests = 0;
    QObject::connect(&running, &RunningPanel::frontRequested, window.get(),
                     &PanelWindow::bringToFront);
    QObject::connect(&running, &RunningPanel::frontRequested, [&] { ++requests; });
    AboutDialog about(window.get());
    about.open();
    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }, 10000));

    const QTemporaryDir folder;
    const QString program = programNamed(folder, scratch.name());
    ASSERT_FALSE(program.isEmpty());
    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    second.start(program, {});
    ASSERT_TRUE(second.waitForStarted(30000)) << second.errorString().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    std::cout << "second start: exit status " << second.exitCode() << " after " << clock.elapsed()
              << " ms" << std::endl;
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(QTest::qWaitFor([&] { return requests > 0 && !window->isMinimized(); }, 10000));
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &about; }, 10000));
    // No second link greeted the host.
    expectSilence();
}

// A panel that ends leaves its name to the next; a panel of another store
// has a name of its own.
TEST(RunningPanelNameTest, APanelThatEndedLeavesItsNameFree)
{
    const ScratchSettings scratch;
    const QString store = ConnectionSettings(scratch.name()).storeLocation();
    const QString other = ConnectionSettings(scratch.siblingName()).storeLocation();
    {
        const RunningPanel first(store);
        ASSERT_FALSE(first.handedOver());
        EXPECT_FALSE(RunningPanel(other).handedOver());
    }
    EXPECT_FALSE(RunningPanel(store).handedOver());
}
