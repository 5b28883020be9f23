#include "ui/ReadoutLabel.h"

#include "panel/PanelProtocol.h"

#include <QAccessible>
#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <QStringList>

namespace pendra {

ReadoutLabel::ReadoutLabel(QWidget* parent) : QLabel(parent)
{
    // The face is painted whole, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

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

QString ReadoutLabel::fitKey() const
{
    // Readouts change their digits many times a second and their length
    // seldom. Where every digit is as wide as any other, a text fits as its
    // pattern does, whatever its digits.
    if (!digitsAlike) {
        const QFontMetrics metrics(font());
        const int zero = metrics.horizontalAdvance(QLatin1Char('0'));
        bool alike = true;
        for (char digit = '1'; digit <= '9'; ++digit)
            alike = alike && metrics.horizontalAdvance(QLatin1Char(digit)) == zero;
        digitsAlike = alike;
    }
    QString key = text();
    if (*digitsAlike) {
        for (QChar& c : key) {
            if (c.unicode() >= u'0' && c.unicode() <= u'9')
                c = QLatin1Char('0');
        }
    }
    return key;
}

QFont ReadoutLabel::fittedFont() const
{
    return fitted().font;
}

void ReadoutLabel::setShowsValues(bool values)
{
    showsValues = values;
    update();
}

QString ReadoutLabel::shownText() const
{
    return showsValues && fitted().cramped
               ? QString::fromLatin1(kUnreadableReadout.data(), kUnreadableReadout.size())
               : text();
}

void ReadoutLabel::showValue(const QString& value)
{
    // A label given the text it shows is not repainted, nor is it news.
    if (value == text())
        return;
    setText(value);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, shownText());
        QAccessible::updateAccessibility(&changed);
    }
}

const ReadoutLabel::Fit& ReadoutLabel::fitted() const
{
    const int room = contentsRect().width();
    const QString key = fitKey();
    if (fit && fit->room == room && fit->key == key)
        return *fit;
    QFont fitted = font();
    // The size asked for: what the system made of it may differ (wine's
    // offscreen platform reports no real size at all).
    const int asked = fitted.pixelSize() > 0 ? fitted.pixelSize() : QFontInfo(fitted).pixelSize();
    int size = asked;
    int needed = QFontMetrics(fitted).size(Qt::TextSingleLine, text()).width();
    while (needed > room && size > 1) {
        // Widths grow with the size: shrink by the overflow, then a pixel at a
        // time while rounding still leaves it too wide.
        size = std::max(1, std::min(size - 1, size * room / needed));
        fitted.setPixelSize(size);
        needed = QFontMetrics(fitted).size(Qt::TextSingleLine, text()).width();
    }
    fit = Fit{key, room, fitted, size * 3 < asked * 2};
    return *fit;
}

void ReadoutLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        fit.reset();
        digitsAlike.reset();
    }
    QLabel::changeEvent(event);
}

void ReadoutLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setPen(shownTextColor());
    const Fit& shown = fitted();
    painter.setFont(showsValues && shown.cramped ? font() : shown.font);
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shownText());
}

} // namespace pendra
