// SPDX-License-Identifier: MIT
#pragma once

namespace zindle::qt {

// Lets screen readers follow the window and players who work through
// assistive technology play it: labels expose their captions as static text
// (and announce changes to them); tiles are buttons with their letter, a
// press action while free and an announced blocked state; the key boxes
// tell which slot's letter they take.
void installAccessibility();

}  // namespace zindle::qt
