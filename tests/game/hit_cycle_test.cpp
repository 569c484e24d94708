// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"

#include <string>

using zindle::testing::GameTest;

namespace {

int boxesTakingKeys(const zindle::headless::Runtime& rt)
{
    int n = 0;
    for (int slot = 1; slot <= 3; ++slot)
        n += rt.keyBox(slot).visible() && rt.keyBox(slot).enabled() ? 1 : 0;
    return n;
}

}  // namespace

class HitCycle : public GameTest {};

TEST_F(HitCycle, WrongKeyThenTheThreeTargetsInTurn)
{
    runtime.press(u'x');
    EXPECT_FALSE(runtime.timer().enabled());
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
    EXPECT_EQ(runtime.keyboardHolder(), 1);

    runtime.press(u's');
    EXPECT_TRUE(runtime.timer().enabled());
    EXPECT_EQ(caption("Lblpisteet"), u" 1");
    EXPECT_EQ(runtime.keyboardHolder(), 2);
    EXPECT_EQ(frameSlot(), 2);

    runtime.press(u's');
    EXPECT_EQ(caption("Lblpisteet"), u" 1");
    EXPECT_EQ(runtime.keyboardHolder(), 2);

    runtime.press(u't');
    EXPECT_EQ(caption("Lblpisteet"), u" 2");
    EXPECT_EQ(runtime.keyboardHolder(), 3);
    EXPECT_EQ(frameSlot(), 3);

    runtime.press(u'i');
    EXPECT_EQ(caption("Lblpisteet"), u" 3");
    EXPECT_EQ(runtime.keyboardHolder(), 1);
    EXPECT_EQ(frameSlot(), 1);
    EXPECT_EQ(boxesTakingKeys(runtime), 1);
}

TEST_F(HitCycle, FirstHitStartsTheGameWithinOneKeyPress)
{
    EXPECT_TRUE(label("Lblohje2").visible());
    runtime.press(u'S');
    EXPECT_TRUE(runtime.timer().enabled());
    EXPECT_EQ(frameSlot(), 2);
    EXPECT_EQ(caption("Lblpisteet"), u" 1");
    EXPECT_FALSE(label("Lblohje2").visible());
    for (int row = 1; row <= 3; ++row)
        for (int i = 0; i < zindle::form::kTilesPerRow; ++i)
            EXPECT_FALSE(runtime.tile(row, i).visible()) << row << " " << i;
    EXPECT_FALSE(runtime.keyBox(1).enabled());
    EXPECT_TRUE(runtime.keyBox(2).visible());
    EXPECT_TRUE(runtime.keyBox(2).enabled());
    EXPECT_FALSE(runtime.keyBox(3).visible());
    // The clock still shows 15: it counts from the next tick on.
    EXPECT_EQ(clock(), u" 1| 5");
}

TEST_F(HitCycle, BothCasesHitWhateverTheCapsLock)
{
    runtime.type(u"StIsTi");
    EXPECT_EQ(caption("Lblpisteet"), u" 6");
    EXPECT_EQ(vars().keycode, 73);
}

TEST_F(HitCycle, NonLettersAreSwallowedWithoutEffect)
{
    for (char16_t c : std::u16string(u"0123456789 \r\n\t\x1b.,;:-_!?/\\'\"@#")) {
        std::int16_t code = static_cast<std::int16_t>(c);
        ASSERT_TRUE(runtime.press(code));
        EXPECT_EQ(code, 0) << "the key is swallowed";
    }
    EXPECT_FALSE(runtime.timer().enabled());
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
    EXPECT_TRUE(vars().keytext.empty());
}

TEST_F(HitCycle, CharactersWhoseCapitalIsNoTargetNeverHit)
{
    // ß (capital SS), long s and dotless i, and codes in the upper half of
    // the 16-bit range, which come as negative numbers.
    for (std::int16_t code : {std::int16_t{0xDF}, std::int16_t{0x17F}, std::int16_t{0x131},
                              std::int16_t{-1}, std::int16_t{-32768}, std::int16_t{-3}}) {
        runtime.press(code);
        EXPECT_EQ(code, 0);
    }
    EXPECT_FALSE(runtime.timer().enabled());
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
}

TEST_F(HitCycle, AnotherSlotsLetterIsAWrongKey)
{
    runtime.type(u"tiTI");
    EXPECT_FALSE(runtime.timer().enabled()) << "the clock does not start";
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
    runtime.type(u"s");
    runtime.type(u"isI");   // slot 2 is due: the letters of slots 1 and 3 miss
    EXPECT_EQ(caption("Lblpisteet"), u" 1");
    EXPECT_EQ(runtime.keyboardHolder(), 2);
}

TEST_F(HitCycle, HeldKeyHitsOnlyOnce)
{
    runtime.type(u"sssssss");
    EXPECT_EQ(caption("Lblpisteet"), u" 1");
    runtime.type(u"tttttt");
    EXPECT_EQ(caption("Lblpisteet"), u" 2");
}

TEST_F(HitCycle, SlotOneHitDuringAGameLeavesTheClockAlone)
{
    runtime.type(u"sti");
    runtime.tick();
    runtime.clearLog();
    runtime.type(u"s");
    EXPECT_EQ(caption("Lblpisteet"), u" 4");
    EXPECT_EQ(clock(), u" 1| 4");
    EXPECT_TRUE(runtime.timer().enabled());
    for (const std::string& write : runtime.log())
        EXPECT_EQ(write.rfind("Tmr1.", 0), std::string::npos) << write;
}

TEST_F(HitCycle, ScoreStopsAtTheLargestItCanHold)
{
    runtime.recordWrites(false);
    for (int i = 0; i < 11000; ++i)
        runtime.type(u"sti");
    EXPECT_EQ(vars().pisteet, 32767);
    EXPECT_EQ(caption("Lblpisteet"), u" 32767");
}

// A correct key of slot 2 or 3 while the clock stands cannot arrive in play;
// delivered straight to the handler it scores nothing.
TEST_F(HitCycle, SlotTwoOrThreeScoreOnlyWhileTheClockRuns)
{
    std::int16_t t = 'T', i = 'I';
    game.Pic2_KeyPress(t);
    game.Pic3_KeyPress(i);
    EXPECT_EQ(vars().pisteet, 0);
    EXPECT_EQ(caption("Lblpisteet"), u" 0");
    EXPECT_EQ(vars().keycode, 'I');
}
