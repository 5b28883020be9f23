#include "panel/LinkStatusBoard.h"

namespace pendra {

LinkStatus LinkStatusBoard::current() const
{
    std::lock_guard guard(lock);
    return status;
}

void LinkStatusBoard::setListener(Listener newListener)
{
    std::lock_guard guard(lock);
    listener = std::move(newListener);
    if (listener)
        listener(status);
}

void LinkStatusBoard::set(const LinkStatus& newStatus)
{
    std::lock_guard guard(lock);
    change(newStatus);
}

void LinkStatusBoard::update(const std::function<void(LinkStatus&)>& changeNow)
{
    std::lock_guard guard(lock);
    LinkStatus changed = status;
    changeNow(changed);
    change(changed);
}

void LinkStatusBoard::change(const LinkStatus& newStatus)
{
    if (newStatus == status)
        return;
    status = newStatus;
    if (listener)
        listener(status);
}

} // namespace pendra
