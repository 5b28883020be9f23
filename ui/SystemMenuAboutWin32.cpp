#include "ui/SystemMenuAbout.h"

#include <QWidget>
#include <windows.h>

namespace pendra {

namespace {

constexpr unsigned kAboutSystemCommand = 0x0010;

} // namespace

SystemMenuAbout::SystemMenuAbout(QWidget& window, std::function<void()> show)
    : showAbout(std::move(show))
{
    if (HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE)) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, kAboutSystemCommand, "&About Pendra...");
    }
}

bool SystemMenuAbout::handle(void* message, qintptr* result) const
{
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || (msg->wParam & 0xFFF0) != kAboutSystemCommand)
        return false;
    showAbout();
    *result = 0;
    return true;
}

} // namespace pendra
