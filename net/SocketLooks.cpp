#include "net/SocketLooks.h"

#include <algorithm>

namespace pendra {

void SocketLooks::afterPass(const LinkPass& pass, bool looked, Clock::time_point now)
{
    if (pass.refusals > 0)
        refusedLast = true;
    if (pass.datagram) {
        refusedLast = false;
        hostHeard = true;
        look.reset();
    } else if (looked) {
        quietLooks = pass.refusals > 0 ? 0 : quietLooks + 1;
        gap = std::min(gap * 2, kLongestGap);
        look.reset();
        if (refusedLast || !hostHeard || quietLooks < kLooksWithoutRefusal)
            look = now + gap;
    }
    if (pass.sends > 0) {
        quietLooks = 0;
        gap = kFirstLook;
        look = now + gap;
    }
}

} // namespace pendra
