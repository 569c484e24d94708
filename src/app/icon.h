#pragma once

#include <QIcon>

namespace zindle::app {

// The window's icon: a white hand pointing down, with a cyan cuff, drawn
// for 32 x 32 and for 16 x 16 pixels.
QIcon zindleIcon();

}  // namespace zindle::app
