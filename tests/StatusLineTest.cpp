#include "ui/StatusLine.h"

#include "tests/InkSupport.h"
#include "tests/PanelWindowFixture.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <utility>
#include <vector>

using namespace pendra;
using namespace pendra::test;

namespace {

const QChar kEllipsis(0x2026);

// The status line of the real panel, judged by what the window draws there.
class StatusLineTest : public PanelWindowTest
{
protected:
    StatusLine* line() const { return control<StatusLine>("statusLine"); }

    // The band of the window the line lies in, right to the window's edge.
    QImage drawnBand() const
    {
        return window->grab(QRect(0, line()->y(), window->width(), line()->height())).toImage();
    }

    static bool inkless()
    {
        return runsUnderWine() && QGuiApplication::platformName() == "offscreen";
    }
};

// How many separate runs of columns hold ink in area: three for an ellipsis.
int inkRuns(const QImage& image, QRgb background, const QRect& area)
{
    int runs = 0;
    bool inRun = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        const bool ink =
            !inkBounds(image, background, QRect(x, area.top(), 1, area.height())).isEmpty();
        runs += ink && !inRun;
        inRun = ink;
    }
    return runs;
}

// Qt tells the platform's bridge of changes only while assistive technology
// listens; this is what its arrival does.
void setAccessibilityActive(bool active)
{
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(active);
}

std::vector<std::pair<QObject*, QAccessible::Event>> heard;

void hear(QAccessibleEvent* event)
{
    heard.emplace_back(event->object(), event->type());
}

} // namespace

TEST_F(StatusLineTest, ReadsFromAcrossTheRoomAtFullScreen)
{
    if (inkless())
        GTEST_SKIP() << "wine's offscreen platform draws placeholder glyphs";
    openPanel();
    // The size full screen gives on a 1920x1080 screen (the offscreen one is smaller).
    window->resize(1920, 1080);
    ASSERT_EQ(window->size(), QSize(1920, 1080)) << "the platform keeps the window smaller";
    int capitals = 0;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            line()->setText(QStringLiteral("EXIT"));
            const QImage drawn = drawnBand();
            const QRect ink = inkBounds(drawn, commonestColour(drawn));
            capitals = static_cast<int>(ink.height() / drawn.devicePixelRatio());
            // Ink from edge to edge is cut: the line has not grown yet.
            return capitals >= 20 && ink.top() > 0 && ink.bottom() < drawn.height() - 1;
        },
        5000))
        << "capitals of " << capitals << " px in "
        << QFontInfo(line()->font()).family().toStdString() << " at "
        << QFontInfo(line()->font()).pixelSize() << " px";
}

TEST_F(StatusLineTest, ALongTextEndsInAnEllipsisInsideTheWindowAndIsWholeForTipsAndReaders)
{
    openPanel();
    window->resize(1024, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == 1024; }, 5000));
    const QSize hint = line()->minimumSizeHint();
    const QString text = QStringLiteral(
        "Not connected: Couldn't bind to 10.1.2.3: Cannot assign requested address (99); "
        "trying again every 2 s; locked for cleaning, 20 s left: only F4 STOP EXECUTION takes a "
        "touch; F1 Done was not sent: Network is unreachable (101)");
    line()->setText(text);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    ASSERT_EQ(line()->text(), text);
    EXPECT_EQ(line()->minimumSizeHint(), hint);
    EXPECT_EQ(window->width(), 1024) << "the text widened the window";
    EXPECT_EQ(line()->toolTip(), text);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(line());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::StatusBar);
    EXPECT_EQ(reader->text(QAccessible::Name), text);
    EXPECT_EQ(reader->text(QAccessible::Description), text);
    if (inkless())
        return;

    const QImage drawn = drawnBand();
    const QRgb background = commonestColour(drawn);
    const QRect ink = inkBounds(drawn, background);
    const qreal ratio = drawn.devicePixelRatio();
    EXPECT_LT(ink.right(), (line()->geometry().right() - 1) * ratio) << "ink to the edge is cut";
    // The end is an ellipsis: three dots low on the line, nothing above them.
    const int dotsWidth =
        static_cast<int>(line()->fontMetrics().tightBoundingRect(kEllipsis).width() * ratio);
    const QRect end(ink.right() - dotsWidth + 1, 0, dotsWidth, drawn.height());
    EXPECT_EQ(inkRuns(drawn, background, end), 3);
    EXPECT_LT(inkBounds(drawn, background, end).height(), ink.height() / 3);
}

TEST(StatusLineAnnouncementTest, EachNewTextIsToldOnce)
{
    StatusLine line;
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(hear);
    const bool wasActive = QAccessible::isActive();
    setAccessibilityActive(true);
    const bool listened = QAccessible::isActive();
    heard.clear();
    line.setText(QStringLiteral("Connecting to 10.0.0.5:7712"));
    line.setText(QStringLiteral("Connecting to 10.0.0.5:7712"));
    line.setText(QStringLiteral("Connected to 10.0.0.5:7712, host version 2"));
    const auto toldPlainly = heard;
    // A fixed name given from outside leaves the telling to the line.
    line.setAccessibleName(QStringLiteral("Status"));
    heard.clear();
    line.setText(QStringLiteral("No answer from 10.0.0.5:7712: nothing listens on that port"));
    const auto toldWithAFixedName = heard;
    setAccessibilityActive(wasActive);
    QAccessible::installUpdateHandler(before);

    ASSERT_TRUE(listened);
    using Told = std::vector<std::pair<QObject*, QAccessible::Event>>;
    EXPECT_EQ(toldPlainly, Told(2, {&line, QAccessible::NameChanged}));
    EXPECT_EQ(toldWithAFixedName, Told(1, {&line, QAccessible::NameChanged}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&line)->text(QAccessible::Name), line.text());
}
