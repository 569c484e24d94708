// SPDX-License-Identifier: MIT
#pragma once

namespace zindle::qt {

// Keeps the toolkit from starting a D-Bus session bus of its own. Asked for
// a session bus where none is set, the D-Bus library launches one
// (dbus-launch --autolaunch): a daemon that outlives the game and files
// written for it. Where the environment names no bus and the user has none
// at its usual place, this points the toolkit at an address that fails at
// once, so the game runs without a bus and starts none. Call it before the
// application object is made.
void preventSessionBusAutolaunch();

}  // namespace zindle::qt
