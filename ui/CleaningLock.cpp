#include "ui/CleaningLock.h"

#include <QApplication>
#include <QEvent>

namespace pendra {

CleaningLock::CleaningLock(QWidget* panelWindow, QWidget* alwaysWorks,
                           std::function<void(int)> secondsLeft)
    : QObject(panelWindow), window(panelWindow), exempt(alwaysWorks),
      onSecond(std::move(secondsLeft))
{
    second.setInterval(std::chrono::seconds(1));
    connect(&second, &QTimer::timeout, this, &CleaningLock::tick);
}

CleaningLock::~CleaningLock()
{
    if (isActive())
        qApp->removeEventFilter(this);
}

void CleaningLock::start()
{
    if (!isActive())
        qApp->installEventFilter(this);
    left = static_cast<int>(kDuration.count());
    second.start();
    onSecond(left);
}

void CleaningLock::tick()
{
    if (--left <= 0) {
        left = 0;
        second.stop();
        qApp->removeEventFilter(this);
    }
    onSecond(left);
}

bool CleaningLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        break;
    default:
        return false;
    }
    QWidget* target = qobject_cast<QWidget*>(watched);
    if (!target)
        return false;
    if (target->window() != window)
        return false;
    return !(exempt && (target == exempt || exempt->isAncestorOf(target)));
}

} // namespace pendra
