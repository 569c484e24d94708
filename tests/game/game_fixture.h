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
    int frameSlot() const;   // slot whose letter the frame marks, 0 when hidden

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
    const int left = runtime.line(2).points().x1;
    return left == 2040 ? 1 : left == 3840 ? 2 : left == 5640 ? 3 : -1;
}

}  // namespace zindle::testing
