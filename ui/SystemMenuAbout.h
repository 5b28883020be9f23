#pragma once

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
    SystemMenuAbout(QWidget& window, std::function<void()> showAbout);

    // True when the message was the item, and result then holds the answer.
    bool handle(void* message, qintptr* result) const;

private:
    std::function<void()> showAbout;
};

} // namespace pendra
