#include "ui/StatusLine.h"

#include "ui/StatusLineAccessible.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace pendra {

namespace {

const QString kEllipsis(QChar(0x2026));

// The line grows at this share of the readouts' rate: at 1920x1080 full
// screen its capitals are over 20 pixels tall, and the height it takes
// leaves the readouts' digits over 80.
constexpr double kShareOfGrowth = 0.7;

double sizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    installStatusLineAccessible();
    setTextFormat(Qt::PlainText);
}

void StatusLine::setText(const QString& text)
{
    if (text == this->text())
        return;
    setToolTip(text);
    // QLabel tells of its new name itself, unless it was given a fixed one.
    const bool labelTells = accessibleName().isEmpty();
    QLabel::setText(text);
    if (!labelTells) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void StatusLine::scale(double readoutScale)
{
    if (!formFont)
        formFont = font();
    const double factor = 1.0 + std::max(readoutScale - 1.0, 0.0) * kShareOfGrowth;
    QFont scaled = *formFont;
    if (formFont->pointSizeF() > 0)
        scaled.setPointSizeF(formFont->pointSizeF() * factor);
    else
        scaled.setPixelSize(std::max(1, qRound(formFont->pixelSize() * factor)));
    const double change = sizeOf(scaled) - sizeOf(font());
    if (change == 0.0)
        return;
    // A taller line leaves the readouts less room, and their scale, told
    // again, is a little smaller (a shorter one, larger): while the window
    // keeps its size, a change back is that echo and is not followed, or the
    // two could chase each other by a pixel for ever.
    const QSize windowSize = window()->size();
    const bool grows = change > 0.0;
    if (windowSize == scaledAt && grows != lastGrew)
        return;
    scaledAt = windowSize;
    lastGrew = grows;
    setFont(scaled);
}

QRect StatusLine::textRoom() const
{
    const int side = margin() + std::max(indent(), 0);
    return contentsRect().adjusted(side, margin(), -side, -margin());
}

QString StatusLine::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, textRoom().width());
}

QSize StatusLine::minimumSizeHint() const
{
    // A line's height does not depend on what it holds.
    const QSize ellipsis = fontMetrics().size(Qt::TextSingleLine, kEllipsis);
    const QMargins frame = contentsMargins();
    const int side = margin() + std::max(indent(), 0);
    return {frame.left() + frame.right() + 2 * side + ellipsis.width(),
            frame.top() + frame.bottom() + 2 * margin() + ellipsis.height()};
}

QSize StatusLine::sizeHint() const
{
    return minimumSizeHint();
}

void StatusLine::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, textRoom(),
                          static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

} // namespace pendra
