#include "ui/Pictures.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace pendra;

TEST(PicturesTest, ButtonWordsSitWhereArialPutsThemWhateverFaceStandsInForIt)
{
    // A face of other widths stands in for Arial, as on a PC that lacks it.
    const QString otherFace =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
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
}
