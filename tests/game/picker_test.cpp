// SPDX-License-Identifier: MIT
#include "game/game_fixture.h"
#include "game/neighbours.h"

#include <array>
#include <set>
#include <string>

using zindle::testing::GameTest;
using zindle::game::neighbourSet;
namespace colours = zindle::form::colours;

namespace {

const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool inSet(char letter, char of) { return neighbourSet(of).find(letter) != std::string_view::npos; }

}  // namespace

// The table written out as the keyboard has it, set by set, each in the
// order the refresh blocks its letters.
TEST(NeighbourTable, HoldsEverySetAsWritten)
{
    const std::array<std::string_view, 26> table{
        "AQWSXZ",    "BVFGHN",   "CXSDFV",    "DWERFVCXS", "ERFDSW",    "FERTGBVCD",
        "GRTYHNBVF", "HTYUJMNBG", "IOLKJU",   "JYUIKMNH",  "KUIOLMJ",   "LIOPK",
        "MHJKN",     "NGHJMB",   "OPLKI",     "PLO",       "QWSA",      "RTGFDE",
        "SQWEDCXZA", "TYHGFR",   "UIKJHY",    "VDFGBC",    "WEDSAQ",    "XASDCZ",
        "YUJHGT",    "ZASX"};
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(neighbourSet(kAlphabet[i]), table[i]) << kAlphabet[i];
    EXPECT_TRUE(neighbourSet('a').empty());
    EXPECT_TRUE(neighbourSet('@').empty());
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
        const std::array<zindle::form::Colour, 3> free{colours::yellow, colours::orange, colours::cyan};
        const std::array<zindle::form::Colour, 3> pale{colours::paleYellow, colours::paleOrange,
                                                     colours::paleCyan};
        for (int row = 1; row <= 3; ++row) {
            for (int i = 0; i < zindle::form::kTilesPerRow; ++i) {
                const char letter = kAlphabet[static_cast<std::size_t>(i)];
                bool blocked = false;
                for (int slot = 1; slot <= 3; ++slot)
                    blocked = blocked || (slot != row && inSet(letter, targets[slot - 1]));
                const auto& tile = runtime.tile(row, i);
                const auto r = static_cast<std::size_t>(row - 1);
                ASSERT_EQ(tile.enabled(), !blocked) << "row " << row << " " << letter;
                ASSERT_EQ(tile.backColor(), blocked ? pale[r] : free[r]);
                ASSERT_EQ(tile.fontBold(), !blocked);
                ASSERT_TRUE(tile.visible());
            }
        }
    }
};

TEST_F(Pickers, StartTargetsBlockTheirNeighbours)
{
    EXPECT_EQ(freeTiles(1), "ABCDEMNPQSVWXZ");
    EXPECT_EQ(freeTiles(2), "BFGHMNPRTVY");
    EXPECT_EQ(freeTiles(3), "BIJKLMNOPUV");
    expectOutcomeRule();
    EXPECT_EQ(runtime.tile(1, 'F' - 'A').backColor(), colours::paleYellow);
    EXPECT_FALSE(runtime.tile(2, 'A' - 'A').fontBold());
    EXPECT_TRUE(runtime.tile(3, 'B' - 'A').fontBold());
}

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
    runtime.clearLog();
    ASSERT_TRUE(click(1, 'S'));
    EXPECT_EQ(runtime.log().front(), "Lblletter1.Caption=S");
    EXPECT_EQ(runtime.log().size(), 1u + 78u * 5u + 2u * (9u + 6u + 6u) * 3u);
    EXPECT_EQ(bigLetters(), u"STI");
    EXPECT_EQ(freeTiles(1), "ABCDEMNPQSVWXZ");
    expectOutcomeRule();
}

TEST_F(Pickers, RefreshResetsThenBlocksThenShows)
{
    runtime.clearLog();
    click(2, 'T');
    const auto& log = runtime.log();
    const std::vector<std::string> firstTile{
        "Lbltext1(0).Visible=0",         "Lbltext2(0).Visible=0",        "Lbltext3(0).Visible=0",
        "Lbltext1(0).Enabled=1",         "Lbltext2(0).Enabled=1",        "Lbltext3(0).Enabled=1",
        "Lbltext1(0).BackColor=65535",   "Lbltext2(0).BackColor=33023",  "Lbltext3(0).BackColor=16776960",
        "Lbltext1(0).FontBold=1",        "Lbltext2(0).FontBold=1",       "Lbltext3(0).FontBold=1"};
    ASSERT_GT(log.size(), 13u + 78u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.begin() + 13), firstTile);
    // I, the slot 3 target, is the first target from A on: it blocks in row
    // 2 before row 1.
    const std::vector<std::string> firstBlock{
        "Lbltext2(8).Enabled=0", "Lbltext2(8).BackColor=12640511", "Lbltext2(8).FontBold=0",
        "Lbltext1(8).Enabled=0", "Lbltext1(8).BackColor=12648447", "Lbltext1(8).FontBold=0"};
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1 + 26 * 12, log.begin() + 1 + 26 * 12 + 6),
              firstBlock);
    EXPECT_EQ(log[log.size() - 78], "Lbltext1(0).Visible=1");
    EXPECT_EQ(log.back(), "Lbltext3(25).Visible=1");
}

TEST_F(Pickers, ChangingATargetFreesWhatOnlyTheOldOneBlocked)
{
    // D, G and P: R, F and V of row 3 lie in the sets of both D and G.
    ASSERT_TRUE(click(1, 'D'));
    ASSERT_TRUE(click(2, 'G'));
    ASSERT_TRUE(click(3, 'P'));
    EXPECT_EQ(bigLetters(), u"DGP");
    for (char letter : {'R', 'F', 'V'})
        EXPECT_FALSE(runtime.tile(3, letter - 'A').enabled()) << letter;
    ASSERT_TRUE(click(1, 'M'));   // D no longer blocks; G still does
    for (char letter : {'R', 'F', 'V'})
        EXPECT_FALSE(runtime.tile(3, letter - 'A').enabled()) << letter;
    EXPECT_TRUE(runtime.tile(3, 'W' - 'A').enabled()) << "only D blocked W";
    EXPECT_TRUE(runtime.tile(2, 'S' - 'A').enabled()) << "only D blocked S in row 2";
    ASSERT_TRUE(click(2, 'Q'));   // now neither does
    for (char letter : {'R', 'F', 'V'})
        EXPECT_TRUE(runtime.tile(3, letter - 'A').enabled()) << letter;
    expectOutcomeRule();
}

TEST_F(Pickers, SizeOfWhatATargetBlocks)
{
    ASSERT_TRUE(click(3, 'P'));
    ASSERT_TRUE(click(2, 'B'));
    ASSERT_TRUE(click(1, 'Z'));
    // Row 1 is blocked by B and P only.
    EXPECT_EQ(26 - freeTiles(1).size(), 6u + 3u);
    ASSERT_TRUE(click(1, 'D'));
    EXPECT_EQ(26 - freeTiles(2).size(), 9u + 3u);
}

TEST_F(Pickers, BlockedInOneRowCanBeFreeInAnother)
{
    EXPECT_TRUE(runtime.tile(1, 'S' - 'A').enabled());
    EXPECT_FALSE(runtime.tile(2, 'S' - 'A').enabled());
    EXPECT_FALSE(runtime.tile(3, 'S' - 'A').enabled());
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
