#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QEvent;

namespace pendra {

// Runs calls on the thread this object lives in, in the order they were
// posted from any thread; calls still queued when it goes are dropped.
//
// Qt's event queue hands its events over under a lock inside Qt, which
// ThreadSanitizer cannot see: an event made on the posting thread and
// deleted on this one looks like a race to it. So the calls wait in a queue
// of our own under a standard mutex, and the one event that wakes this
// thread is made here and only lent to the posting thread: at most one is
// on its way, while calls wait.
class QueuedCalls : public QObject
{
public:
    explicit QueuedCalls(QObject* parent = nullptr);
    ~QueuedCalls() override;

    void post(std::function<void()> call);

protected:
    void customEvent(QEvent* wakeUp) override;

private:
    std::mutex queueLock;
    std::deque<std::function<void()>> queued;
    // Here while no call waits; posted with the first call that does.
    std::unique_ptr<QEvent> spareWakeUp;
};

} // namespace pendra
