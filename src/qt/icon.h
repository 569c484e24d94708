// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zindle::qt {

// The window's icon: a white hand pointing down, with a cyan cuff, drawn
// pixel by pixel at 16 and 32 pixels and rendered from its scalable
// picture at 48, 64, 128 and 256; here its images up to `largest` pixels.
// The pixels are built into the program as they are, so showing the icon
// decodes nothing and keeps no copy.
QIcon zindleIcon(int largest = 256);

}  // namespace zindle::qt
