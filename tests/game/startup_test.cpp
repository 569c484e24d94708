// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"

using zindle::testing::GameTest;

TEST_F(GameTest, StartUpWritesClockAndScoreAsNumberCaptions)
{
    EXPECT_EQ(caption("Lblkello4"), u" 1");
    EXPECT_EQ(caption("Lblkello5"), u" 5");
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
    EXPECT_EQ(caption("Lblkello1"), u" 0");
    EXPECT_EQ(caption("Lblkello2"), u" 0");
    EXPECT_EQ(caption("Lblkello3"), u" :");
    EXPECT_EQ(caption("Lblletter1"), u"S");
    EXPECT_EQ(caption("Lblletter2"), u"T");
    EXPECT_EQ(caption("Lblletter3"), u"I");
}

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
