// SPDX-License-Identifier: MIT
#pragma once

#include "form/layout.h"

#include <QFont>

namespace zindle::qt {

// The font of a label style. The faces the layout names are Windows faces;
// each is replaced by a face of like width and weight, asked for by name so
// that fontconfig does not quietly fall back to another family: Inter Black,
// which the program carries under a family name of its own, and the
// system's Liberation Sans.
QFont fontFor(const form::LabelStyle& style);

// The family that stands in for a face of the layout.
QString familyFor(std::string_view face);

// Where the first baseline of a caption lies below the top of its label, in
// pixels: the ascent of the face the layout names, so that text stands
// where that face would put it whatever the substitute's own ascent.
int baselineFor(const form::LabelStyle& style, const QFont& font);

}  // namespace zindle::qt
