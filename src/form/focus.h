// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace zindle::form {

// What the keyboard rule needs to know of one control that can hold it.
struct FocusCandidate {
    bool visible = false;
    bool enabled = false;
};

// The keyboard rule of the window. `tabOrder` lists the controls that can
// hold the keyboard, in tab order; `holder` is the position of the one that
// holds it now, or -1. The holder keeps the keyboard while it is visible and
// enabled; otherwise the keyboard passes to the next candidate in tab order
// that is, wrapping round after the last. Returns -1 when none can take it.
int settleFocus(std::span<const FocusCandidate> tabOrder, int holder);

}  // namespace zindle::form
