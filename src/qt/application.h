// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace zindle::qt {

// Names the application on the toolkit's application object: its name,
// display name, version and maker, as a desktop reads them, and gives it
// the window icon's images up to 64 pixels.
void describeApplication(QApplication& app);

// Once the window's first frame is on the screen: hands over the icon's
// large images (330 kB of pixels, for docks and task switchers, which the
// window system takes a while to receive) and gives back the memory that
// starting up used and freed.
void afterFirstFrame();

}  // namespace zindle::qt
