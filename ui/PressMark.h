#pragma once

#include <QFocusFrame>
#include <QTimer>
#include <chrono>

namespace pendra {

// Marks a button for a moment after its command went to the host: a thick
// frame over the picture, in a colour none of the pictures uses, so that an
// operator a step away, or one whose finger hides the button, sees that the
// press counted. It takes no input and follows the button's size. A frame
// drawn over a control, as a focus frame is: assistive technology passes
// over it, as it does over Qt's focus frames, and reads the button alone.
class PressMark : public QFocusFrame
{
public:
    static constexpr std::chrono::milliseconds kShownFor{500};
    static inline const QColor kColour{0, 120, 255};

    explicit PressMark(QWidget* button);

    // Shows the mark, or shows it longer, for kShownFor from now.
    void flash();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer hideTimer;
};

} // namespace pendra
