// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

namespace zindle::qt {

// Tells assistive technologies that the name of `object` has changed,
// with its new text, which a screen reader speaks when the object has the
// focus.
void tellNameChanged(QAccessibleInterface* object);

// Tells assistive technologies that `object` now has the focus.
void tellFocus(QAccessibleInterface* object);

// Has a screen reader say the words `object`, which has the focus, tells
// (its name), at once and alone: it cuts
// what the reader was saying, the echo of a key just typed included, and
// adds no role.
void tellNow(QAccessibleInterface* object);

}  // namespace zindle::qt
