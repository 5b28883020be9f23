#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace pendra {

// Options, Lock for cleaning: for a while every click and touch on the panel
// is ignored, so that the screen can be wiped, except on the one button that
// must always work. Keys keep working: a keyboard is not wiped with the
// screen. It counts the seconds down to whoever shows them.
class CleaningLock : public QObject
{
public:
    static constexpr std::chrono::seconds kDuration{20};

    // secondsLeft hears of every second, and of 0 when the lock ends.
    CleaningLock(QWidget* window, QWidget* alwaysWorks, std::function<void(int)> secondsLeft);
    ~CleaningLock() override;

    void start();
    bool isActive() const { return left > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();

    QWidget* window;
    QPointer<QWidget> exempt;
    std::function<void(int)> onSecond;
    QTimer second;
    int left = 0;
};

} // namespace pendra
