// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"
#include "game/neighbours.h"

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

using zindle::testing::GameTest;
using zindle::game::neighbourSet;

namespace {

const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool inSet(char letter, char of) { return neighbourSet(of).find(letter) != std::string_view::npos; }

}  // namespace

// A letter's set is the letter itself and every letter whose key touches
// its key on a QWERTY keyboard: the same row or the row next to it, at most
// one place along. So the table is symmetric.
TEST(NeighbourTable, HoldsTheKeysAroundEachLetter)
{
    const std::array<std::string_view, 3> rows{"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    struct Key { int row, column; };
    const auto key = [&](char letter) {
        for (int r = 0; r < 3; ++r)
            if (const auto c = rows[static_cast<std::size_t>(r)].find(letter); c != std::string_view::npos)
                return Key{r, static_cast<int>(c)};
        return Key{-9, -9};
    };
    for (char a : kAlphabet) {
        EXPECT_EQ(neighbourSet(a).front(), a);
        for (char b : kAlphabet) {
            const Key ka = key(a), kb = key(b);
            EXPECT_EQ(inSet(b, a), std::abs(ka.row - kb.row) <= 1 && std::abs(ka.column - kb.column) <= 1)
                << b << " in the set of " << a;
            EXPECT_EQ(inSet(b, a), inSet(a, b)) << a << " and " << b;
        }
    }
    for (char other : {'a', '@', '[', '\0'})
        EXPECT_TRUE(neighbourSet(other).empty()) << int{other};
}

class Pickers : public GameTest {
protected:
    // The letters whose tiles are free in a row, A to Z.
    std::string freeTiles(int row) const
    {
        std::string free;
        for (int i = 0; i < zindle::form::kTilesPerRow; ++i)
            if (runtime.tile(row, i).enabled())
                free += kAlphabet[static_cast<std::size_t>(i)];
        return free;
    }

    bool click(int row, char letter) { return runtime.clickTile(row, letter - 'A'); }

    std::u16string bigLetters() const
    {
        return caption("Lblletter1") + caption("Lblletter2") + caption("Lblletter3");
    }

    // Every tile is free or blocked exactly as the three targets say.
    void expectOutcomeRule() const
    {
        const std::array<char, 3> targets{static_cast<char>(vars().letter1),
                                          static_cast<char>(vars().letter2),
                                          static_cast<char>(vars().letter3)};
        for (int row = 1; row <= 3; ++row) {
            for (int i = 0; i < zindle::form::kTilesPerRow; ++i) {
                const char letter = kAlphabet[static_cast<std::size_t>(i)];
                bool blocked = false;
                for (int slot = 1; slot <= 3; ++slot)
                    blocked = blocked || (slot != row && inSet(letter, targets[slot - 1]));
                const auto& tile = runtime.tile(row, i);
                const auto& look = zindle::form::slotLook(row);
                ASSERT_EQ(tile.enabled(), !blocked) << "row " << row << " " << letter;
                ASSERT_EQ(tile.backColor(), blocked ? look.pale : look.colour);
                ASSERT_EQ(tile.fontBold(), !blocked);
                ASSERT_TRUE(tile.visible());
            }
        }
    }
};

TEST_F(Pickers, OutcomeRuleHoldsForEveryValidChoiceOfTargets)
{
    runtime.recordWrites(false);
    for (char a : kAlphabet)
        for (char b : kAlphabet)
            for (char c : kAlphabet) {
                if (inSet(b, a) || inSet(c, a) || inSet(c, b))
                    continue;
                game.Lbltext1_Click(static_cast<std::int16_t>(a - 'A'));
                game.Lbltext2_Click(static_cast<std::int16_t>(b - 'A'));
                game.Lbltext3_Click(static_cast<std::int16_t>(c - 'A'));
                ASSERT_NO_FATAL_FAILURE(expectOutcomeRule()) << a << b << c;
                ASSERT_TRUE(runtime.tile(1, a - 'A').enabled()) << "own target free in own row";
                ASSERT_TRUE(runtime.tile(2, b - 'A').enabled());
                ASSERT_TRUE(runtime.tile(3, c - 'A').enabled());
            }
}

TEST_F(Pickers, FreeTileSetsTheTargetAndBigLetter)
{
    ASSERT_TRUE(click(1, 'B'));
    EXPECT_EQ(vars().letter1, 'B');
    EXPECT_EQ(bigLetters(), u"BTI");
    EXPECT_EQ(vars().letter2, 'T');
    EXPECT_EQ(clock(), u" 1| 5");
    EXPECT_EQ(runtime.keyboardHolder(), 1);
    expectOutcomeRule();
    runtime.type(u"b");
    EXPECT_EQ(vars().pisteet, 1) << "the new letter is the one to hit";
}

TEST_F(Pickers, BlockedTileRaisesNoClick)
{
    runtime.clearLog();
    EXPECT_FALSE(click(1, 'T'));
    EXPECT_FALSE(click(2, 'S'));
    EXPECT_FALSE(click(3, 'A'));
    EXPECT_TRUE(runtime.log().empty());
    EXPECT_EQ(bigLetters(), u"STI");
}

TEST_F(Pickers, ChoosingTheSameLetterAgainChangesNothingVisible)
{
    const std::string before = freeTiles(1) + freeTiles(2) + freeTiles(3);
    ASSERT_TRUE(click(1, 'S'));
    EXPECT_EQ(bigLetters(), u"STI");
    EXPECT_EQ(freeTiles(1) + freeTiles(2) + freeTiles(3), before);
    expectOutcomeRule();
}

// The refresh frees every tile, hidden, before it blocks any, and shows the
// rows only once all are blocked: nothing half done is ever shown, and
// what assistive technologies are told afterwards is the outcome alone.
TEST_F(Pickers, RefreshFreesEveryTileBeforeBlockingAndShowsLast)
{
    runtime.clearLog();
    click(2, 'T');
    const auto& log = runtime.log();
    std::array<std::vector<std::size_t>, 4> at;   // hidden, freed, blocked, shown
    const std::array<std::string_view, 4> writes{".Visible=0", ".Enabled=1", ".Enabled=0", ".Visible=1"};
    for (std::size_t i = 0; i < log.size(); ++i)
        for (std::size_t w = 0; w < writes.size(); ++w)
            if (log[i].starts_with("Lbltext") && log[i].ends_with(writes[w]))
                at[w].push_back(i);
    EXPECT_EQ(at[0].size(), 78u);
    EXPECT_EQ(at[1].size(), 78u);
    EXPECT_EQ(at[3].size(), 78u);
    ASSERT_FALSE(at[2].empty());
    EXPECT_LT(at[0].back(), at[2].front()) << "a tile hidden after the blocking began";
    EXPECT_LT(at[1].back(), at[2].front()) << "a tile freed after the blocking began";
    EXPECT_LT(at[2].back(), at[3].front()) << "a tile shown before the blocking ended";
}

TEST_F(Pickers, AnIndexOutsideTheRowChangesNoTarget)
{
    for (std::int16_t index : {std::int16_t{-1}, std::int16_t{26}, std::int16_t{32767},
                               std::int16_t{-32768}}) {
        game.Lbltext1_Click(index);
        game.Lbltext3_Click(index);
    }
    EXPECT_EQ(bigLetters(), u"STI");
    EXPECT_EQ(vars().letter1, 'S');
    EXPECT_EQ(vars().letter3, 'I');
    expectOutcomeRule();
}

TEST_F(Pickers, RowsHideDuringAGameAndReturnUnchanged)
{
    ASSERT_TRUE(click(1, 'A'));
    ASSERT_TRUE(click(3, 'M'));
    const std::string before = freeTiles(1) + freeTiles(2) + freeTiles(3);
    runtime.type(u"a");
    EXPECT_FALSE(click(1, 'B')) << "hidden tiles raise no click";
    EXPECT_FALSE(runtime.tile(2, 0).visible());
    while (runtime.tick()) {
    }
    runtime.clearLog();
    ASSERT_TRUE(runtime.clickButton());
    for (const std::string& write : runtime.log())
        EXPECT_EQ(write.find("Enabled=0"), std::string::npos) << "no refresh: " << write;
    EXPECT_TRUE(tilesShown());
    EXPECT_EQ(freeTiles(1) + freeTiles(2) + freeTiles(3), before);
    EXPECT_EQ(bigLetters(), u"ATM");
    expectOutcomeRule();
}
