// SPDX-License-Identifier: MIT
#include "form/focus.h"

namespace zindle::form {

int settleFocus(std::span<const FocusCandidate> tabOrder, int holder)
{
    const int count = static_cast<int>(tabOrder.size());
    auto eligible = [&](int i) { return tabOrder[i].visible && tabOrder[i].enabled; };
    if (holder >= 0 && holder < count && eligible(holder))
        return holder;
    const int start = (holder >= 0 && holder < count) ? holder + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (eligible(i))
            return i;
    }
    return -1;
}

}  // namespace zindle::form
