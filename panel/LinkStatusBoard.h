#pragma once

#include "panel/LinkStatus.h"

#include <functional>
#include <mutex>

namespace pendra {

// Holds where the link stands and tells a listener of every change, in the
// order the changes were made, from whichever thread made them.
class LinkStatusBoard
{
public:
    using Listener = std::function<void(const LinkStatus&)>;

    LinkStatus current() const;
    // Called with the status as it is now, then on every change; it runs
    // under the board's lock, so it must only hand the status on. Clear it
    // before the listener goes.
    void setListener(Listener listener);
    void set(const LinkStatus& status);
    // Changes the status from what it is now, in one step.
    void update(const std::function<void(LinkStatus&)>& change);

private:
    void change(const LinkStatus& status);

    mutable std::mutex lock;
    LinkStatus status;
    Listener listener;
};

} // namespace pendra
