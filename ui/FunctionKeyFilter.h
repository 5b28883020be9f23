#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace pendra {

// Watches every key press on its way to one window or any of its controls,
// and reports each key-down once with its Windows virtual-key code. Qt hands
// one press to the window, the focused control and the controls around it in
// turn, and an application-wide filter sees each of those deliveries; a press
// is recognised as the same one until a key is released or another press
// comes. Auto-repeats are new presses. A key pressed with Alt is a system key
// and no key-down. Keys are never consumed.
class FunctionKeyFilter : public QObject
{
    Q_OBJECT

public:
    using KeyDownHandler = std::function<void(unsigned virtualKeyCode)>;

    FunctionKeyFilter(QWidget* window, KeyDownHandler onKeyDown);

    // F1 to F24 give 0x70 to 0x87; other keys give 0.
    static unsigned virtualKeyCode(int qtKey);
    // Whether Windows delivers this press as a system key (WM_SYSKEYDOWN)
    // rather than as a key-down (WM_KEYDOWN).
    static bool isSystemKey(Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* watched) const;
    bool isSamePress(const QKeyEvent& press) const;

    QPointer<QWidget> window;
    KeyDownHandler onKeyDown;

    struct Press
    {
        const QKeyEvent* event = nullptr;
        quint64 timestamp = 0;
        int key = 0;
        bool autoRepeat = false;
    };
    // The press on its way through the window; cleared when a key is released.
    Press lastPress;
};

} // namespace pendra
