// SPDX-License-Identifier: MIT
#include "form/tile_cursor.h"

#include "form/form_controls.h"

#include <algorithm>

namespace zindle::form {

bool TileCursor::move(PickerKey key, const TilePlace& start)
{
    const bool arrow = key == PickerKey::Left || key == PickerKey::Right || key == PickerKey::Up ||
                       key == PickerKey::Down;
    if (!place_) {
        if (arrow)
            place_ = start;
        return arrow;
    }
    TilePlace& p = *place_;
    switch (key) {
    case PickerKey::Left: p.index = std::max(p.index - 1, 0); break;
    case PickerKey::Right: p.index = std::min(p.index + 1, kTilesPerRow - 1); break;
    case PickerKey::Up: p.row = std::max(p.row - 1, 1); break;
    case PickerKey::Down: p.row = std::min(p.row + 1, 3); break;
    case PickerKey::Home: p.index = 0; break;
    case PickerKey::End: p.index = kTilesPerRow - 1; break;
    case PickerKey::Choose:
    case PickerKey::Hide: return false;
    }
    return true;
}

}  // namespace zindle::form
