// SPDX-License-Identifier: MIT
#pragma once

namespace zindle::qt {

// Lets screen readers follow the window and players who work through
// assistive technology play it: labels expose their captions as static text
// (and announce changes to them); tiles are buttons with their letter, a
// press action while free and an announced blocked state; the keys, which
// hold the focus through a game, tell the letters and then the letter due,
// and "Continue" is named by the result first.
void installAccessibility();

}  // namespace zindle::qt
