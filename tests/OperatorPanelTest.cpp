#include "panel/LinkSession.h"
#include "panel/PanelProtocol.h"
#include "tests/PanelWindowFixture.h"
#include "ui/PressMark.h"

#include <QPointingDevice>

using namespace pendra;
using namespace pendra::test;

namespace {

// What an operator at the machine meets: presses that show, the age of the
// readouts, a lock for cleaning the screen, and readouts that grow.
class OperatorPanelTest : public PanelWindowTest
{
protected:
    void touch(const char* name)
    {
        // One touch screen for the whole run: the system keeps devices it registers.
        static QPointingDevice* const touchScreen = QTest::createTouchDevice();
        QPushButton* target = button(name);
        const QPoint at = target->mapTo(window.get(), target->rect().center());
        QTest::touchEvent(window.get(), touchScreen).press(0, at);
        QTest::touchEvent(window.get(), touchScreen).release(0, at);
    }

    // Pixels of the press mark's colour on the button, as a screenshot shows it.
    int markedPixels(const char* name)
    {
        const QImage image = button(name)->grab().toImage();
        int marked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                marked += std::abs(c.red() - PressMark::kColour.red()) < 40 &&
                          std::abs(c.green() - PressMark::kColour.green()) < 40 &&
                          std::abs(c.blue() - PressMark::kColour.blue()) < 40;
            }
        return marked;
    }

    // The height of the green a readout paints, in pixels.
    static int paintedHeight(QWidget* shown)
    {
        const QImage image = shown->grab().toImage();
        int top = image.height();
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).green() > 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    }
};

} // namespace

TEST_F(OperatorPanelTest, EveryPressShowsAndTheLockLetsOnlyStopThrough)
{
    openPanel();
    ASSERT_EQ(markedPixels("doneButton"), 0);
    touch("doneButton");
    EXPECT_EQ(host.receive(10s), "QVL_PENDRA_1");
    EXPECT_GT(markedPixels("doneButton"), 200) << "a touch marks its button";
    const QRegularExpression sent("; F1 Done sent at \\d\\d:\\d\\d:\\d\\d$");
    EXPECT_TRUE(QTest::qWaitFor([&] { return sent.match(statusLine()).hasMatch(); }, 10000))
        << statusLine().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return markedPixels("doneButton") == 0; }, 5000))
        << "the mark goes after a moment";
    QTest::keyClick(button("doneButton"), Qt::Key_F4);
    EXPECT_EQ(host.receive(10s), "QVL_PENDRA_4");
    EXPECT_GT(markedPixels("stopExecutionButton"), 200) << "a key marks its button too";
    expectSilence();

    window->findChild<QAction*>("actionLockForCleaning")->trigger();
    EXPECT_TRUE(statusLine().contains("; locked for cleaning, 20 s left"))
        << statusLine().toStdString();
    touch("doneButton");
    QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
    expectSilence();
    touch("stopExecutionButton");
    EXPECT_EQ(host.receive(10s), "QVL_PENDRA_4") << "STOP EXECUTION always works";
    QTest::keyClick(button("doneButton"), Qt::Key_F2);
    EXPECT_EQ(host.receive(10s), "QVL_PENDRA_2") << "keys are not locked";
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return statusLine().contains("; locked for cleaning, 19"); }, 3000));
}

TEST_F(OperatorPanelTest, AQuietHostIsToldWithTheTimeOfItsLastMessage)
{
    openPanel();
    sendToPanel("QVL_IP_COORD:1,2,3,4,5,6");
    ASSERT_TRUE(waitForText("xValue", "1.0000"));
    EXPECT_FALSE(statusLine().contains("last host message"));
    const QRegularExpression quiet(", host version 1; last host message \\d\\d:\\d\\d:\\d\\d$");
    const auto waited = std::chrono::steady_clock::now();
    ASSERT_TRUE(QTest::qWaitFor([&] { return quiet.match(statusLine()).hasMatch(); }, 20000))
        << statusLine().toStdString();
    EXPECT_GE(std::chrono::steady_clock::now() - waited, LinkSession::kQuietAfter - 1s);
    EXPECT_GT(brightestGreen(label("xValue")), 200) << "a quiet host is no failure";
    sendToPanel("QVL_IP_COORD:2,2,3,4,5,6");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !statusLine().contains("last host"); }, 10000));
}

TEST_F(OperatorPanelTest, ReadoutsGrowWithTheWindowAndFullScreenIsRemembered)
{
    openPanel();
    // The end-to-end run under wine looks at real faces; wine's offscreen
    // platform draws placeholder glyphs.
    if (!runsUnderWine()) {
        window->resize(1920, 1080);
        sendToPanel("QVL_IP_COORD:-8888.8888,2,3,4,5,6");
        ASSERT_TRUE(waitForText("xValue", "-8888.8888"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return paintedHeight(label("xValue")) >= 80; }, 5000))
            << "digits of " << paintedHeight(label("xValue")) << " px";
        EXPECT_EQ(cutCaptions(*window).join("; ").toStdString(), "");
        window->resize(1024, 600);
        QTest::qWait(50);
        EXPECT_EQ(cutCaptions(*window).join("; ").toStdString(), "");
    }

    QTest::keyClick(button("doneButton"), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    expectSilence();
    QTest::keyClick(button("doneButton"), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, 5000));
    EXPECT_TRUE(window->isVisible()) << "Esc leaves full screen first";
    window->findChild<QAction*>("actionFullScreen")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000));
    window->close();
    window.reset();
    openPanel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 5000))
        << "opens as it was closed";
    EXPECT_EQ(settings.openStore()->value("Remote_IP_Port").toInt(), host.port());
}

TEST_F(OperatorPanelTest, ValuesThatCannotBeShownTrulyShowTheMarker)
{
    openPanel();
    sendToPanel("QVL_IP_COORD:nan,inf,1e308,12345678901234567890,1.5,-2");
    const QString marker =
        QString::fromLatin1(kUnreadableReadout.data(), kUnreadableReadout.size());
    ASSERT_TRUE(waitForText("bValue", "1.5000"));
    for (const char* name : {"xValue", "yValue", "zValue", "aValue"})
        EXPECT_EQ(label(name)->text(), marker) << name;
    EXPECT_EQ(label("wValue")->text(), "-2.0000");
}
