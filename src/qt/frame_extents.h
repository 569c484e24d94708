// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace zindle::qt {

// The border a window manager will draw round `window`, asked of it before
// the window is first shown, in device pixels: left, top, right, bottom.
// Empty where no window manager answers (none runs, it does not offer the
// request, or the platform is not X11).
QMargins frameExtentsBeforeShowing(QWidget& window);

// The screen's free area, the panels left out, in device pixels, as the
// window manager has it; empty where the platform is not X11.
QRect freeAreaInDevicePixels();

}  // namespace zindle::qt
