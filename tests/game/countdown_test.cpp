// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"

#include <string>
#include <vector>

using zindle::testing::GameTest;

class Countdown : public GameTest {
protected:
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            runtime.tick();
    }

    // Plays a game through: the first hit, then fifteen ticks.
    void playToTheEnd(std::u16string_view keys = u"s")
    {
        runtime.type(keys);
        ticks(15);
    }

    bool ended() const
    {
        return !runtime.timer().enabled() && runtime.button().visible() &&
               !runtime.keyBox(1).enabled() && !runtime.keyBox(2).enabled() &&
               !runtime.keyBox(3).enabled();
    }
};

TEST_F(Countdown, ClockStandsUntilTheFirstHit)
{
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(runtime.tick());
    runtime.clickTile(1, 0);
    runtime.type(u"tix");
    EXPECT_EQ(clock(), u" 1| 5");
    EXPECT_FALSE(runtime.timer().enabled());
}

TEST_F(Countdown, TicksCountDownFromFifteenToZero)
{
    runtime.type(u"s");
    const std::vector<std::u16string> expected{
        u" 1| 4", u" 1| 3", u" 1| 2", u" 1| 1", u" 1| 0", u" 0| 9", u" 0| 8", u" 0| 7",
        u" 0| 6", u" 0| 5", u" 0| 4", u" 0| 3", u" 0| 2", u" 0| 1", u" 0| 0"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(runtime.tick()) << "tick " << i + 1;
        EXPECT_EQ(clock(), expected[i]) << "after tick " << i + 1;
        EXPECT_EQ(ended(), i + 1 == expected.size()) << "after tick " << i + 1;
        EXPECT_EQ(runtime.beeps(), i + 1 == expected.size() ? 7 : 0) << "after tick " << i + 1;
    }
    EXPECT_FALSE(runtime.tick()) << "no tick after the end";
    EXPECT_EQ(clock(), u" 0| 0");
}

TEST_F(Countdown, NoKeyCountsAfterTheEnd)
{
    playToTheEnd(u"st");
    EXPECT_EQ(runtime.keyboardHolder(), 0) << "no key box holds the keyboard";
    EXPECT_TRUE(runtime.buttonHoldsKeyboard()) << "the keyboard passes to Continue";
    runtime.type(u"stistiSTI");
    EXPECT_EQ(vars().pisteet, 2);
    EXPECT_EQ(clock(), u" 0| 0");
}

TEST_F(Countdown, GameEndedAtSlotThreeRestartsAtSlotOne)
{
    playToTheEnd(u"st");
    ASSERT_EQ(frameSlot(), 3);
    runtime.clickButton();
    runtime.type(u"tis");
    EXPECT_EQ(vars().pisteet, 1);
    EXPECT_EQ(frameSlot(), 2);
    EXPECT_EQ(runtime.keyboardHolder(), 2);
}

TEST_F(Countdown, GamesFollowOneAnotherEachFifteenTicks)
{
    for (int round = 1; round <= 5; ++round) {
        runtime.type(u"s");
        EXPECT_EQ(vars().pisteet, 1) << "game " << round;
        int ticksRun = 0;
        while (runtime.tick())
            ++ticksRun;
        EXPECT_EQ(ticksRun, 15) << "game " << round;
        EXPECT_EQ(runtime.beeps(), 7 * round);
        ASSERT_TRUE(runtime.clickButton());
        EXPECT_EQ(vars().pisteet, 0);
    }
}

TEST_F(Countdown, ContinueCannotBeClickedWhileHidden)
{
    EXPECT_FALSE(runtime.clickButton());
    runtime.type(u"s");
    EXPECT_FALSE(runtime.clickButton());
    EXPECT_EQ(vars().pisteet, 1);
}
