#include "ui/ReadoutLabel.h"

#include <QPainter>
#include <QStringList>

namespace pendra {

ReadoutLabel::ReadoutLabel(QWidget* parent) : QLabel(parent) {}

QColor ReadoutLabel::colorFromRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

void ReadoutLabel::setTextColor(std::uint32_t colorRef)
{
    textColour = colorFromRef(colorRef);
}

void ReadoutLabel::setPointFont(int tenthsOfPoint, const QString& faceName)
{
    // Style words at the end of a face name select the style of the family.
    QStringList words = faceName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool bold = false;
    bool italic = false;
    while (words.size() > 1) {
        const QString last = words.last().toLower();
        if (last == QLatin1String("bold"))
            bold = true;
        else if (last == QLatin1String("italic"))
            italic = true;
        else if (last != QLatin1String("regular"))
            break;
        words.removeLast();
    }
    QFont chosen(words.join(QLatin1Char(' ')));
    chosen.setBold(bold);
    chosen.setItalic(italic);
    // The character height in pixels for this screen, as the size in points asks.
    chosen.setPixelSize(std::max(1, logicalDpiY() * tenthsOfPoint / 720));
    setFont(chosen);
    update();
}

void ReadoutLabel::setDimmed(bool dim)
{
    if (dim == dimmed)
        return;
    dimmed = dim;
    update();
}

QColor ReadoutLabel::shownTextColor() const
{
    if (!dimmed)
        return textColour;
    return QColor::fromHsv(textColour.hsvHue(), textColour.hsvSaturation(),
                           textColour.value() * 2 / 5);
}

QFont ReadoutLabel::fittedFont() const
{
    QFont fitted = font();
    const int room = contentsRect().width();
    for (int step = 0; step < 64; ++step) {
        const int needed = QFontMetrics(fitted).horizontalAdvance(text());
        if (needed <= room || needed == 0)
            break;
        if (fitted.pixelSize() > 0) {
            const int smaller = fitted.pixelSize() * room / needed;
            fitted.setPixelSize(std::max(1, std::min(smaller, fitted.pixelSize() - 1)));
            if (fitted.pixelSize() == 1)
                break;
        } else {
            const qreal smaller = fitted.pointSizeF() * room / needed;
            if (smaller < 1)
                break;
            fitted.setPointSizeF(std::min(smaller, fitted.pointSizeF() - 0.5));
        }
    }
    return fitted;
}

void ReadoutLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setPen(shownTextColor());
    painter.setFont(fittedFont());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

} // namespace pendra
