#include "panel/QueuedCalls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace pendra {

namespace {

const QEvent::Type kWakeUpEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

QueuedCalls::QueuedCalls(QObject* parent)
    : QObject(parent), spareWakeUp(std::make_unique<QEvent>(kWakeUpEvent))
{
}

// A wake-up still on its way is Qt's to delete, with the object's other
// posted events.
QueuedCalls::~QueuedCalls() = default;

void QueuedCalls::post(std::function<void()> call)
{
    std::unique_ptr<QEvent> wakeUp;
    {
        const std::lock_guard lock(queueLock);
        if (queued.empty())
            wakeUp = std::move(spareWakeUp);
        queued.push_back(std::move(call));
    }
    if (wakeUp)
        QCoreApplication::postEvent(this, wakeUp.release());
}

// The event is not read here; Qt deletes it after this returns.
void QueuedCalls::customEvent(QEvent*)
{
    std::deque<std::function<void()>> calls;
    {
        const std::lock_guard lock(queueLock);
        calls.swap(queued);
        spareWakeUp = std::make_unique<QEvent>(kWakeUpEvent);
    }
    // A call may end this object's owner, and this object with it.
    const QPointer<QueuedCalls> alive(this);
    for (const auto& call : calls) {
        call();
        if (!alive)
            return;
    }
}

} // namespace pendra
