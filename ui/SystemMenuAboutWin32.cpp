#include "ui/SystemMenuAbout.h"

#include <QWidget>
#include <windows.h>

namespace pendra {

namespace {

constexpr unsigned kAboutSystemCommand = 0x0010;

} // namespace

SystemMenuAbout::SystemMenuAbout(QWidget& shownOn, std::function<void()> show)
    : window(shownOn), showAbout(std::move(show))
{
    if (HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, kAboutSystemCommand,
                      reinterpret_cast<const wchar_t*>(itemText().utf16()));
    }
}

void SystemMenuAbout::retranslate()
{
    if (HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE))
        ::ModifyMenuW(menu, kAboutSystemCommand, MF_BYCOMMAND | MF_STRING, kAboutSystemCommand,
                      reinterpret_cast<const wchar_t*>(itemText().utf16()));
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
