#pragma once

// What a widget draws, judged by its ink: the pixels that differ from the
// background by more than an antialiased fringe does.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <cstdlib>

namespace pendra::test {

// The colour most pixels have: what the text is drawn on.
inline QRgb commonestColour(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return commonest;
}

inline bool isInk(QRgb pixel, QRgb background)
{
    constexpr int kFringe = 96;
    return std::abs(qRed(pixel) - qRed(background)) > kFringe ||
           std::abs(qGreen(pixel) - qGreen(background)) > kFringe ||
           std::abs(qBlue(pixel) - qBlue(background)) > kFringe;
}

// The smallest rectangle around the ink within area (the whole image when
// empty); empty when there is none.
inline QRect inkBounds(const QImage& image, QRgb background, QRect area = {})
{
    if (area.isEmpty())
        area = image.rect();
    area &= image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y), background))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The widget's text drawn alone in its font and colour, with room on every
// side, at the same pixel ratio as the widget's own picture.
inline QImage drawnAlone(const QWidget& widget, const QString& text, QRgb background, qreal ratio)
{
    const QFontMetrics metrics(widget.font());
    const int room = 2 * metrics.height();
    const QSize size(metrics.horizontalAdvance(text) + 2 * room, metrics.height() + 2 * room);
    // Opaque, as a window is: ClearType draws its colour fringes only there.
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(widget.font());
    painter.setPen(widget.palette().color(widget.foregroundRole()));
    painter.drawText(QRect(QPoint(room, room), size - 2 * QSize(room, room)),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

} // namespace pendra::test
