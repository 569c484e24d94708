// SPDX-License-Identifier: MIT
#pragma once

#include "game/frmzindle.h"
#include "headless/runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace zindle::testing {

// A game loaded on the headless runtime, as the window is first shown.
class GameTest : public ::testing::Test {
protected:
    GameTest() { runtime.load(game); }

    const game::FormVariables& vars() const { return game.variables(); }
    const headless::Label& label(std::string_view name) const { return runtime.label(name); }
    form::Text caption(std::string_view name) const { return runtime.label(name).caption(); }
    std::u16string clock() const { return caption("Lblkello4") + u"|" + caption("Lblkello5"); }
    bool tilesShown() const;
    int frameSlot() const;   // slot whose letter the frame marks, 0 when hidden, -1 elsewhere

    headless::Runtime runtime;
    game::Frmzindle game{runtime.controls()};
};

inline bool GameTest::tilesShown() const
{
    bool all = true;
    for (int row = 1; row <= 3; ++row)
        for (int i = 0; i < form::kTilesPerRow; ++i)
            all = all && runtime.tile(row, i).visible();
    return all;
}

inline int GameTest::frameSlot() const
{
    for (int i = 0; i < form::kFrameLines; ++i)
        if (!runtime.line(i).visible())
            return 0;
    for (int slot = 1; slot <= 3; ++slot) {
        bool all = true;
        for (int i = 0; i < form::kFrameLines; ++i)
            all = all && runtime.line(i).points() == form::frameAt(slot)[static_cast<std::size_t>(i)];
        if (all)
            return slot;
    }
    return -1;
}

}  // namespace zindle::testing
