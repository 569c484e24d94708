// SPDX-License-Identifier: MIT
#pragma once

#include "form/controls.h"

#include <QObject>

#include <memory>

namespace zindle::qt {

// The system's default sound. On X11 it is the X bell, which the desktop's
// bell settings turn into its bell sound. Platforms without a bell of their
// own (Wayland among them) get the sound theme's "bell" event, rung by a
// helper process of the game's own through libcanberra, so that a sound
// server that hangs never holds the window: a bell the server has not taken
// within 0.9 s is dropped, with every bell still waiting behind it, and the
// helper with them. Without the helper, the library or a sound server the
// request does nothing; it always returns at once.
class BellBeep final : public form::Beep {
public:
    BellBeep();
    ~BellBeep() override;
    void beep() override;

    // Whether beeps go to the platform's own bell.
    bool usesPlatformBell() const { return platformBell_; }

private:
    class Helper;
    Helper& helper();
    bool platformBell_;
    std::unique_ptr<Helper> helper_;
    QObject delayedStart_;   // the context of the helper's delayed start
};

}  // namespace zindle::qt
