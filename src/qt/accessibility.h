// SPDX-License-Identifier: MIT
#pragma once

namespace zindle::qt {

// Lets screen readers follow the window and players who work through
// assistive technology play it: labels expose their captions as static text
// (and announce changes to them); tiles are buttons with their letter, a
// press action while free and an announced blocked state; the key box that
// holds the keyboard has the focus and is named by the letter due.
void installAccessibility();

}  // namespace zindle::qt
