// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace zindle::form {

// The keys that work the tile cursor.
enum class PickerKey { Left, Right, Up, Down, Home, End, Choose, Hide };

// A tile of the picker rows: row 1 to 3, top to bottom; index 0 to 25, A to Z.
struct TilePlace {
    int row = 1;
    int index = 0;
    bool operator==(const TilePlace&) const = default;
};

// The cursor over the 78 tiles, for choosing the letters from the keyboard.
// Hidden until the first arrow key, which shows it where it is to start
// without moving it; then Left and Right move it within a row, Up and Down
// between the rows at the same letter, Home and End to the row's ends. It
// stops at the edges. Blocked tiles are places like any other.
class TileCursor {
public:
    const std::optional<TilePlace>& place() const { return place_; }
    // An arrow, Home or End; returns whether it showed or moved the cursor
    // (Home and End only move a cursor that is shown).
    bool move(PickerKey key, const TilePlace& start);
    void hide() { place_.reset(); }

private:
    std::optional<TilePlace> place_;
};

}  // namespace zindle::form
