#include "ui/ReadoutLabel.h"

#include "panel/PanelProtocol.h"
#include "tests/TestSystem.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace pendra;

namespace {

int pixelsOf(const QImage& image, std::function<bool(QColor)> matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixelColor(x, y));
    return count;
}

QImage paint(ReadoutLabel& label)
{
    label.resize(200, 40);
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(ReadoutLabel, PaintsWhiteOnBlackUntilGivenAColour)
{
    ReadoutLabel label;
    label.setText("8888");
    const QImage image = paint(label);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    // Glyph edges are blended differently by each machine's fonts: judge by
    // hue with a tolerance, never by exact values.
    const auto greyOrWhite = [](QColor c) {
        return c.red() > 100 &&
               std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) <
                   40;
    };
    EXPECT_GT(pixelsOf(image, greyOrWhite), 20);
}

TEST(ReadoutLabel, GreenTextOnABlackFaceEdgeToEdge)
{
    ReadoutLabel label;
    label.setText("-123.4567");
    label.setTextColor(0x00FF00);
    EXPECT_EQ(label.textColor(), QColor(0, 255, 0));
    const QImage image = paint(label);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(199, 39), QColor(Qt::black));
    const auto green = [](QColor c) {
        return c.green() > 100 && c.red() < c.green() / 4 && c.blue() < c.green() / 4;
    };
    const auto other = [](QColor c) {
        return c.red() > 60 || c.blue() > 60;
    };
    EXPECT_GT(pixelsOf(image, green), 50);
    EXPECT_EQ(pixelsOf(image, other), 0);
}

TEST(ReadoutLabel, ColoursAreGivenAsBlueGreenRed)
{
    EXPECT_EQ(ReadoutLabel::colorFromRef(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ReadoutLabel::colorFromRef(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ReadoutLabel::colorFromRef(0x123456), QColor(0x56, 0x34, 0x12));
}

TEST(ReadoutLabel, ArialBoldComesOutBoldAtTheAskedSize)
{
    ReadoutLabel label;
    label.setPointFont(220, "Arial Bold");
    const QFont asked = label.font();
    EXPECT_EQ(asked.family(), "Arial");
    EXPECT_TRUE(asked.bold());
    EXPECT_EQ(asked.pixelSize(), label.logicalDpiY() * 220 / 720);
    // What the system made of it. Qt's offscreen platform has no font
    // database on Windows, so only a platform with fonts can tell.
    if (!QFontDatabase::families().isEmpty()) {
        const QFontInfo shown(asked);
        EXPECT_TRUE(shown.bold());
        EXPECT_EQ(shown.pixelSize(), label.logicalDpiY() * 220 / 720);
        // Arial itself, or the metric-compatible face Linux offers for it.
        EXPECT_TRUE(shown.family() == "Arial" || shown.family() == "Liberation Sans")
            << shown.family().toStdString();
    }

    label.setPointFont(100, "Arial");
    EXPECT_FALSE(label.font().bold());
}

TEST(ReadoutLabel, ATextWiderThanTheFaceIsDrawnSmallerNotCut)
{
    ReadoutLabel label;
    label.setTextColor(0x00FF00);
    label.setPointFont(220, "Arial Bold");
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.setText("-123456789012345678.0000");
    const QImage image = paint(label);
    const auto green = [](QColor c) {
        return c.green() > 60;
    };
    int leftmost = image.width();
    for (int x = 0; x < image.width() && leftmost == image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (green(image.pixelColor(x, y)))
                leftmost = x;
    EXPECT_LT(leftmost, image.width()) << "the text is drawn";
    EXPECT_GT(leftmost, 0) << "the first digits are not cut off at the left edge";

    // The fit follows the text as it changes: other digits, a shorter
    // number, a longer one again.
    const int shrunk = label.fittedFont().pixelSize();
    const int asked = label.font().pixelSize();
    ASSERT_LT(shrunk, asked);
    label.setText("-987654321098765432.9999");
    EXPECT_EQ(label.fittedFont().pixelSize(), shrunk);
    label.setText("1.0000");
    EXPECT_EQ(label.fittedFont().pixelSize(), asked);
    label.setText("-123456789012345678.0000");
    EXPECT_EQ(label.fittedFont().pixelSize(), shrunk);
}

// A value that would be drawn below two thirds of its size is not drawn at
// all: the marker that cannot be read as a number stands in its place, and
// the value comes back once it fits again.
TEST(ReadoutLabel, AValueTooCrampedToReadShowsTheMarker)
{
    if (test::runsUnderWine())
        GTEST_SKIP() << "the offscreen platform under wine measures text with placeholder glyphs";
    ReadoutLabel label;
    label.setPointFont(220, "Arial Bold");
    label.setShowsValues(true);
    label.resize(200, 40);
    label.setText("-1234567.8901");
    const QString marker =
        QString::fromLatin1(kUnreadableReadout.data(), kUnreadableReadout.size());
    EXPECT_EQ(label.shownText(), label.text()) << "shrunk a little, still read as it is";
    label.setText("-123456789012345.6789");
    EXPECT_EQ(label.shownText(), marker);
    label.resize(600, 40);
    EXPECT_EQ(label.shownText(), label.text());
    label.resize(200, 40);
    label.setShowsValues(false);
    EXPECT_EQ(label.shownText(), label.text()) << "names shrink as far as they must";
}
