#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace pendra {

// "About Pendra..." at the end of a window's system menu, where the system
// has one (Windows): the window hands its native messages to handle(), which
// calls showAbout for the item. SystemMenuAboutWin32.cpp adds the item and
// hears it; elsewhere SystemMenuAboutPosix.cpp adds nothing and handles
// nothing, and About stays in the Options menu alone.
class SystemMenuAbout
{
public:
    // The item's text: the one text of the system menu the program adds.
    static QString itemText();

    SystemMenuAbout(QWidget& window, std::function<void()> showAbout);

    // True when the message was the item, and result then holds the answer.
    bool handle(void* message, qintptr* result) const;
    // Says the item in the language now installed.
    void retranslate();

private:
    QWidget& window;
    std::function<void()> showAbout;
};

} // namespace pendra
