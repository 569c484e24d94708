// SPDX-License-Identifier: MIT
#pragma once

#include "form/controls.h"

#include <memory>

namespace zindle::qt {

// The system's default sound. On X11 it is the X bell, which the desktop's
// bell settings turn into its bell sound. Platforms without a bell of their
// own (Wayland among them) get the sound theme's "bell" event through
// libcanberra, loaded when first needed; without the library or a sound
// server the request does nothing and returns at once.
class BellBeep final : public form::Beep {
public:
    BellBeep();
    ~BellBeep() override;
    void beep() override;

    // Whether beeps go to the platform's own bell.
    bool usesPlatformBell() const { return platformBell_; }

private:
    struct EventSound;
    bool platformBell_;
    std::unique_ptr<EventSound> sound_;
    bool tried_ = false;
};

}  // namespace zindle::qt
