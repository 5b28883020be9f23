#include "ui/FieldCaption.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace pendra {

namespace {

// Antialiasing spreads ink about a pixel past a glyph's outline, and
// ClearType's colour fringes as far again.
constexpr qreal kFringe = 2.0;

} // namespace

FieldCaption::FieldCaption(QWidget* parent) : QLabel(parent) {}

int FieldCaption::textFlags() const
{
    return buddy() ? Qt::TextShowMnemonic : 0;
}

QMarginsF FieldCaption::overhang() const
{
    const QFontMetricsF metrics(font());
    const QRectF ink = metrics.boundingRect(text());
    const qreal advance = metrics.horizontalAdvance(text());
    return {std::max(0.0, -ink.left()) + kFringe, 0.0,
            std::max(0.0, ink.right() - advance) + kFringe, 0.0};
}

QSize FieldCaption::sizeHint() const
{
    // In fractions of a pixel: a width rounded down pushes a right-aligned
    // text out on the left.
    const QMarginsF room = overhang();
    const qreal textWidth =
        QFontMetricsF(font()).size(Qt::TextSingleLine | textFlags(), text()).width();
    const QMargins frame = contentsMargins();
    const int width = static_cast<int>(std::ceil(room.left() + textWidth + room.right()));
    return {frame.left() + frame.right() + 2 * margin() + width, QLabel::sizeHint().height()};
}

QSize FieldCaption::minimumSizeHint() const
{
    return sizeHint();
}

void FieldCaption::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRectF room = QRectF(contentsRect().adjusted(margin(), margin(), -margin(), -margin()))
                            .marginsRemoved(overhang());
    const auto aligned = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, aligned | textFlags(), text());
}

} // namespace pendra
