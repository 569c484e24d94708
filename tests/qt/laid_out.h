// SPDX-License-Identifier: MIT
#pragma once

#include "qt/form_window.h"

#include <QImage>

namespace zindle::testing {

// The window as its layout draws it at `scale`, captions left out, from the
// controls' shown and enabled states: a device pixel belongs to the logical
// pixel its centre falls in; a shape fills the device pixels of its logical
// ones; a border lies inside its shape's edges and a line from the start of
// its logical pixel, as many device pixels wide as the whole part of the
// scale. The tile under the tile cursor is black in a white border.
QImage laidOut(const qt::FormWindow& window, double scale);

}  // namespace zindle::testing
