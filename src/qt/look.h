// SPDX-License-Identifier: MIT
#pragma once

// What the drawn controls and the real widgets share: the layout's colours,
// rectangles and names in Qt's terms.

#include "form/colour.h"
#include "form/layout.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include <optional>

namespace zindle::qt {

QColor toQColor(form::Colour colour);
form::Colour fromQColor(const QColor& colour);
// The colour of a caption on the ground `back`: the layout's own where it
// names one; otherwise the button text of the widget's palette where that
// reads on the ground, and black or white where it does not (a dark colour
// scheme's light text on the pale tiles). Read at each paint, so a change of
// scheme shows at once.
QColor captionColour(const std::optional<form::Colour>& fixed, const QColor& back, const QPalette& palette);
QString slotName(int slot);   // "yellow", "orange" or "cyan"
QRect pixelRect(const form::Rect& twips);
// A control's object name: its name, with its index for a control array
// ("Lblpisteet", "Lbltext1(3)", "Line1(0)").
QString objectNameOf(const form::ControlLayout& entry);

}  // namespace zindle::qt
