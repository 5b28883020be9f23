#include "ui/Pictures.h"

#include "ui/ReadoutBoard.h"
#include "ui/ReadoutLabel.h"
#include "ui/ShippedFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace pendra;

TEST(PicturesTest, ButtonWordsSitWhereArialPutsThemWhateverFaceStandsInForIt)
{
    // A face of other widths stands in for Arial, as on a PC that lacks it.
    const QString otherFace =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    const QStringList arialSubstitutes = QFont::substitutes(QStringLiteral("Arial"));
    QFont::removeSubstitutions(QStringLiteral("Arial"));
    QFont::insertSubstitution(QStringLiteral("Arial"), otherFace);
    // Bitmap id, then the first and last inked column of the longest word line in Arial Bold 12.
    for (const auto [id, first, last] :
         {std::array{132, 44, 72}, std::array{133, 41, 75}, std::array{134, 34, 81},
          std::array{140, 24, 91}, std::array{141, 24, 91}}) {
        const QImage image = pictures::buttonPicture(static_cast<std::uint16_t>(id))
                                 .pixmap(QSize(116, 113), 1.0)
                                 .toImage();
        int left = image.width(), right = -1;
        for (int y = 86; y < 112; ++y) // below the drawing, above the bevel
            for (int x = 1; x < 115; ++x)
                if (qGray(image.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_NEAR(left, first, 1) << id;
        EXPECT_NEAR(right, last, 1) << id;
    }
    QFont::removeSubstitutions(QStringLiteral("Arial"));
    QFont::insertSubstitutions(QStringLiteral("Arial"), arialSubstitutes);
}

namespace {

struct Button
{
    std::uint16_t bitmapId;
    const char* source;
    const char* english;
    // The English words another way, as the SVG sets them: so drawn by the caption's engine.
    const char* englishOtherwise;
};
constexpr std::array kButtons{
    Button{132, ":/res/button-f1-done.svg", "Done", "Done "},
    Button{133, ":/res/button-f2-delete.svg", "Delete", "Delete "},
    Button{134, ":/res/button-f3-move-pt.svg", "Move Pt.", "Move Pt. "},
    Button{140, ":/res/button-f4-stop-execution.svg", "STOP EXECUTION", "STOP\nEXECUTION"},
    Button{141, ":/res/button-f5-continue-execution.svg", "CONTINUE EXECUTION",
           "CONTINUE\nEXECUTION"}};

QImage drawn(const QIcon& icon, qreal ratio)
{
    return icon.pixmap(pictures::kButtonPictureSize, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The SVG itself, drawn by Qt's renderer at the picture's size times the ratio.
QImage svgDrawn(const char* source, qreal ratio)
{
    QImage image(pictures::kButtonPictureSize * ratio, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QString::fromLatin1(source)).render(&painter);
    return image;
}

// The largest difference of a colour channel between two pictures in rows [top, bottom).
int largestDifference(const QImage& a, const QImage& b, int top, int bottom)
{
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

// Where the dark ink lies in rows [top, bottom) of a picture; null for none.
QRect inkBounds(const QImage& image, int top, int bottom)
{
    QRect bounds;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 100)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A caption's ink, at a ratio: below the symbol (which ends by row 81 on
// F4 and F5), clear of the bevel, on both sides of the centre.
void expectInkInsideTheButton(const QImage& image, int ratio, const QString& caption)
{
    const QRect ink = inkBounds(image, 81 * ratio, image.height());
    ASSERT_FALSE(ink.isNull()) << qPrintable(caption);
    EXPECT_GE(ink.top(), 84 * ratio) << qPrintable(caption);
    EXPECT_LE(ink.bottom(), 111 * ratio) << qPrintable(caption);
    EXPECT_GE(ink.left(), 3 * ratio) << qPrintable(caption);
    EXPECT_LE(ink.right(), 112 * ratio) << qPrintable(caption);
    EXPECT_LT(ink.left(), 48 * ratio) << qPrintable(caption);
    EXPECT_GT(ink.right(), 68 * ratio) << qPrintable(caption);
}

} // namespace

TEST(PicturesTest, EnglishOrNoCaptionDrawsTheSvgAsItIs)
{
    for (const Button& button : kButtons)
        for (const int ratio : {1, 2}) {
            const QImage svg = svgDrawn(button.source, ratio);
            for (const QString& caption : {QString(), QString::fromLatin1(button.english)})
                EXPECT_LE(largestDifference(
                              drawn(pictures::buttonPicture(button.bitmapId, caption), ratio), svg,
                              0, svg.height()),
                          2)
                    << button.english << " as '" << qPrintable(caption) << "' at " << ratio << "x";
        }
}

TEST(PicturesTest, OtherCaptionTakesTheEnglishOnesPlaceAndStyle)
{
    for (const Button& button : kButtons) {
        // The same words, drawn by the caption's engine, look as the SVG's outlines.
        for (const int ratio : {1, 2})
            EXPECT_LE(largestDifference(
                          drawn(pictures::buttonPicture(
                                    button.bitmapId, QString::fromLatin1(button.englishOtherwise)),
                                ratio),
                          svgDrawn(button.source, ratio), 0, 113 * ratio),
                      32)
                << button.english << " at " << ratio << "x";
        // A lone dot: any English letter left would be ink away from the
        // centre; the key name and the symbol stay as they were.
        const QImage dot = drawn(pictures::buttonPicture(button.bitmapId, QStringLiteral(".")), 1);
        const QRect ink = inkBounds(dot, 86, 112);
        EXPECT_TRUE(!ink.isNull() && ink.left() >= 54 && ink.right() <= 62)
            << button.english << ": caption ink at " << ink.left() << ".." << ink.right();
        EXPECT_LE(largestDifference(dot, svgDrawn(button.source, 1), 0, 80), 2) << button.english;
    }
}

TEST(PicturesTest, LongCaptionsWrapAndShrinkInsideTheButtonAtAnyRatio)
{
    for (const QString& caption :
         {QStringLiteral("AUSFÜHRUNG FORTSETZEN"), QStringLiteral("ÇÕNŢÎÑÛÉ ÉXÉÇÛŢÎÖÑ ŁÓŃĞÉŘ")})
        for (const int ratio : {1, 2}) {
            const QImage image = drawn(pictures::buttonPicture(141, caption), ratio);
            expectInkInsideTheButton(image, ratio, caption);
            // Wrapped onto more than one line, not shrunk onto one.
            EXPECT_GT(inkBounds(image, 81 * ratio, image.height()).height(), 15 * ratio)
                << qPrintable(caption);
        }
}

TEST(PicturesTest, JapaneseCaptionIsDrawnInTheSystemsFace)
{
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        GTEST_SKIP() << "no Japanese face installed (on Debian: fonts-wqy-microhei)";
    const QString caption = QStringLiteral("実行停止");
    const QImage image = drawn(pictures::buttonPicture(140, caption), 1);
    expectInkInsideTheButton(image, 1, caption);
    // Not the boxes of characters that no face has.
    const char32_t unassigned[] = {0x378, 0x379, 0x380, 0x381};
    const QImage boxes = drawn(pictures::buttonPicture(140, QString::fromUcs4(unassigned, 4)), 1);
    EXPECT_GT(largestDifference(image, boxes, 84, 112), 100);
}

TEST(ShippedFontsTest, ReadoutFaceIsArialOrItsMetricTwinNeverAnother)
{
    ReadoutLabel readout;
    readout.setPointFont(ReadoutBoard::kFontTenths, ReadoutBoard::kFontFace);
    const QFontInfo face(readout.font());
    EXPECT_TRUE(face.family() == QLatin1String("Arial") || face.family() == kShippedSansFamily)
        << qPrintable(face.family());
    EXPECT_TRUE(face.bold());
    QFont twin(kShippedSansFamily);
    twin.setBold(true);
    twin.setPixelSize(readout.font().pixelSize());
    const QString digits = QStringLiteral("-0123456789.");
    EXPECT_NEAR(QFontMetricsF(readout.font()).horizontalAdvance(digits),
                QFontMetricsF(twin).horizontalAdvance(digits), 1.0);
}
