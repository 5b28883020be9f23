#include "ui/SystemMenuAbout.h"

namespace pendra {

// Window managers here keep their window menus to themselves.
SystemMenuAbout::SystemMenuAbout(QWidget&, std::function<void()> show) : showAbout(std::move(show))
{
}

bool SystemMenuAbout::handle(void*, qintptr*) const
{
    return false;
}

} // namespace pendra
