// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"

using zindle::testing::GameTest;

TEST_F(GameTest, StartUpLeavesTheGameWaiting)
{
    EXPECT_FALSE(runtime.timer().enabled());
    EXPECT_EQ(frameSlot(), 0);
    EXPECT_FALSE(runtime.button().visible());
    EXPECT_TRUE(runtime.keyBox(1).visible());
    EXPECT_FALSE(runtime.keyBox(2).visible());
    EXPECT_FALSE(runtime.keyBox(3).visible());
    EXPECT_TRUE(label("Lblohje2").visible());
    EXPECT_TRUE(tilesShown());
    EXPECT_EQ(runtime.keyboardHolder(), 1);
    EXPECT_EQ(runtime.beeps(), 0);
}
