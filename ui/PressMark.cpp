#include "ui/PressMark.h"

#include <QEvent>
#include <QPainter>

namespace pendra {

PressMark::PressMark(QWidget* button) : QFocusFrame(button)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hideTimer.setSingleShot(true);
    hideTimer.setInterval(kShownFor);
    connect(&hideTimer, &QTimer::timeout, this, &QWidget::hide);
    button->installEventFilter(this);
    setGeometry(button->rect());
    hide();
}

void PressMark::flash()
{
    setGeometry(parentWidget()->rect());
    show();
    raise();
    hideTimer.start();
}

bool PressMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void PressMark::paintEvent(QPaintEvent* /*event*/)
{
    // A sixteenth of the shorter side: several pixels on the smallest
    // button, and clear of the key name in the picture's corner.
    const int width = std::max(4, std::min(this->width(), height()) / 16);
    QPainter painter(this);
    painter.setPen(QPen(kColour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const int inset = width / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

} // namespace pendra
