// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zindle::app {

// The icon's small images: a white hand pointing down, with a cyan cuff,
// drawn pixel by pixel for 32 x 32 and for 16 x 16 pixels.
QIcon drawnIcon();

// The window's icon: the drawn images, and the same hand rendered at 48,
// 64, 128 and 256 pixels from its scalable picture.
QIcon zindleIcon();

}  // namespace zindle::app
