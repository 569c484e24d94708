// SPDX-License-Identifier: MIT
#pragma once

namespace zindle::app {

// Lets screen readers follow the window: labels expose their captions as
// static text (and announce changes to them), tiles their letter and whether
// they are blocked, and the key boxes which slot's letter they take.
void installAccessibility();

}  // namespace zindle::app
