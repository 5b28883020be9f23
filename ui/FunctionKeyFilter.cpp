#include "ui/FunctionKeyFilter.h"

#include <QKeyEvent>
#include <QWindow>

namespace pendra {

FunctionKeyFilter::FunctionKeyFilter(QWidget* watchedWindow, KeyDownHandler handler)
    : QObject(watchedWindow), window(watchedWindow), onKeyDown(std::move(handler))
{
}

unsigned FunctionKeyFilter::virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70u + static_cast<unsigned>(qtKey - Qt::Key_F1);
    return 0;
}

bool FunctionKeyFilter::isSystemKey(Qt::KeyboardModifiers modifiers)
{
    // A key pressed while Alt is held is a system key, unless Ctrl is held
    // too: Ctrl+Alt is AltGr on many layouts, and its keys are ordinary
    // key-downs. So Alt+F4 only closes the window, and Alt+F1 to Alt+F5 send
    // nothing; Ctrl and Shift with them leave the key as it is.
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier);
}

bool FunctionKeyFilter::belongsToWindow(QObject* watched) const
{
    if (!window)
        return false;
    if (watched->isWidgetType())
        return static_cast<QWidget*>(watched)->window() == window;
    if (watched->isWindowType())
        return watched == window->windowHandle();
    return false;
}

bool FunctionKeyFilter::isSamePress(const QKeyEvent& press) const
{
    return lastPress.event == &press && lastPress.timestamp == press.timestamp() &&
           lastPress.key == press.key() && lastPress.autoRepeat == press.isAutoRepeat();
}

bool FunctionKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        lastPress = {};
        return false;
    }
    if (event->type() != QEvent::KeyPress || !belongsToWindow(watched))
        return false;
    const auto& press = *static_cast<QKeyEvent*>(event);
    if (isSamePress(press))
        return false;
    lastPress = {&press, press.timestamp(), press.key(), press.isAutoRepeat()};
    if (isSystemKey(press.modifiers()))
        return false;
    if (const unsigned code = virtualKeyCode(press.key()))
        onKeyDown(code);
    return false;
}

} // namespace pendra
