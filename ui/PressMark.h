#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>

namespace pendra {

// Marks a button for a moment after its command went to the host: a thick
// frame over the picture, in a colour none of the pictures uses, so that an
// operator a step away, or one whose finger hides the button, sees that the
// press counted. It takes no input and follows the button's size.
class PressMark : public QWidget
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
