#include "ui/SystemMenuAbout.h"

namespace pendra {

// Window managers here keep their window menus to themselves.
SystemMenuAbout::SystemMenuAbout(QWidget& shownOn, std::function<void()> show)
    : window(shownOn), showAbout(std::move(show))
{
}

bool SystemMenuAbout::handle(void*, qintptr*) const
{
    return false;
}

void SystemMenuAbout::retranslate() {}

} // namespace pendra
