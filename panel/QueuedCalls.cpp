#include "panel/QueuedCalls.h"

#include <QCoreApplication>

namespace pendra {

namespace {

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent : public QEvent
{
public:
    explicit CallEvent(std::function<void()> queued) : QEvent(kCallEvent), call(std::move(queued))
    {
    }
    const std::function<void()> call;
};

} // namespace

void QueuedCalls::post(std::function<void()> call)
{
    QCoreApplication::postEvent(this, new CallEvent(std::move(call)));
}

bool QueuedCalls::event(QEvent* event)
{
    if (event->type() != kCallEvent)
        return QObject::event(event);
    static_cast<CallEvent*>(event)->call();
    return true;
}

} // namespace pendra
