// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace zindle::app {

// Names the application on the toolkit's application object: its name,
// display name, version and maker, as a desktop reads them.
void describeApplication(QApplication& app);

}  // namespace zindle::app
