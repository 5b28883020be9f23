#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace pendra {

// Runs calls on the thread this object lives in, in the order they were
// posted from any thread; calls still queued when it goes are dropped.
// Each call travels as an event that only the receiving thread touches after
// posting, so the hand-over is the event queue's own lock and nothing else.
class QueuedCalls : public QObject
{
public:
    using QObject::QObject;

    void post(std::function<void()> call);

protected:
    bool event(QEvent* event) override;
};

} // namespace pendra
