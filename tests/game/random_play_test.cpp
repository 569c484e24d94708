// SPDX-License-Identifier: MIT
// Random play: a long run of events of every kind a player or the clock can
// produce, from a fixed seed, checking after every event that the window
// shows a state the rules allow and that it agrees with a small model of
// the game kept here.
//
//   ZINDLE_RANDOM_EVENTS  how many events (default 1,000,000)
//   ZINDLE_RANDOM_SEED    the seed (default 20261208); printed on failure

#include "game/frmzindle.h"
#include "game/neighbours.h"
#include "headless/runtime.h"
#include "form/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>

using namespace zindle;

namespace {

std::uint64_t setting(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

bool inSet(char letter, char of) { return game::neighbourSet(of).find(letter) != std::string_view::npos; }

// What the rules say the game is doing, kept independently of the game.
struct Model {
    enum State { Waiting, Running, Ended };
    State state = Waiting;
    int due = 1;
    int secondsLeft = 15;
    int score = 0;
    std::array<char, 3> targets{'S', 'T', 'I'};

    bool blocked(int row, char letter) const
    {
        for (int slot = 1; slot <= 3; ++slot)
            if (slot != row && inSet(letter, targets[static_cast<std::size_t>(slot - 1)]))
                return true;
        return false;
    }

    void key(std::int16_t code)
    {
        if (state == Ended)
            return;
        const int upper = code >= 'a' && code <= 'z' ? code - 32 : code;
        if (upper != targets[static_cast<std::size_t>(due - 1)] || (due != 1 && state != Running))
            return;
        state = Running;
        score = std::min(score + 1, 32767);
        due = due % 3 + 1;
    }

    void tick()
    {
        if (state == Running && --secondsLeft == 0)
            state = Ended;
    }

    void clickTile(int row, int index)
    {
        const char letter = static_cast<char>('A' + index);
        if (state == Waiting && !blocked(row, letter))
            targets[static_cast<std::size_t>(row - 1)] = letter;
    }

    void clickContinue()
    {
        if (state != Ended)
            return;
        state = Waiting;
        due = 1;
        secondsLeft = 15;
        score = 0;
    }
};

class RandomPlay : public ::testing::Test {
protected:
    RandomPlay()
    {
        runtime.recordWrites(false);
        runtime.load(game);
    }

    std::int16_t randomKey()
    {
        const auto target = model.targets[random() % 3];
        switch (random() % 10) {
        case 0: case 1: case 2: return static_cast<std::int16_t>(target);
        case 3: case 4: return static_cast<std::int16_t>(target + 32);   // lower case
        case 5: case 6: return static_cast<std::int16_t>('a' + random() % 26);
        case 7: return static_cast<std::int16_t>(random() % 128);
        case 8: return static_cast<std::int16_t>(static_cast<std::uint16_t>(random()));
        default: {
            constexpr std::array<std::int16_t, 6> odd{0xDF, 0x17F, 0x131, -3, -32768, 0};
            return odd[random() % odd.size()];
        }
        }
    }

    // One event; returns a word for what it was.
    const char* step()
    {
        const auto roll = random() % 100;
        if (roll < 50) {
            std::int16_t code = randomKey();
            model.key(code);
            runtime.press(code);
            return "key";
        }
        if (roll < 70) {
            model.tick();
            runtime.tick();
            return "tick";
        }
        if (roll < 93) {
            const int row = static_cast<int>(random() % 3) + 1, index = static_cast<int>(random() % 26);
            model.clickTile(row, index);
            runtime.clickTile(row, index);
            return "tile click";
        }
        if (model.state == Model::Ended || roll < 95) {
            model.clickContinue();
            runtime.clickButton();
            return "Continue";
        }
        model.tick();
        runtime.tick();
        return "tick";
    }

    ::testing::AssertionResult holds() const;
    ::testing::AssertionResult tilesHold() const;
    ::testing::AssertionResult fixedPartsHold() const;

    std::mt19937_64 random{setting("ZINDLE_RANDOM_SEED", 20261208)};
    headless::Runtime runtime;
    game::Frmzindle game{runtime.controls()};
    Model model;
};

using ::testing::AssertionFailure;
using ::testing::AssertionSuccess;

::testing::AssertionResult RandomPlay::holds() const
{
    const auto& v = game.variables();
    const bool waiting = model.state == Model::Waiting;
    const bool running = model.state == Model::Running;
    const bool ended = model.state == Model::Ended;

    if (runtime.timer().enabled() != running)
        return AssertionFailure() << "timer enabled " << runtime.timer().enabled();
    if (v.kello4 * 10 + v.kello5 != model.secondsLeft || v.kello4 < 0 || v.kello5 < 0 || v.kello5 > 9)
        return AssertionFailure() << "clock " << v.kello4 << v.kello5 << ", expected " << model.secondsLeft;
    if (runtime.label("Lblkello4").caption() != form::Str(v.kello4) ||
        runtime.label("Lblkello5").caption() != form::Str(v.kello5))
        return AssertionFailure() << "clock captions";
    if (v.pisteet != model.score || runtime.label("Lblpisteet").caption() != form::Str(model.score))
        return AssertionFailure() << "score " << v.pisteet << ", expected " << model.score;
    if (runtime.button().visible() != ended)
        return AssertionFailure() << "Continue shown " << runtime.button().visible();
    if (runtime.label("Lblohje2").visible() != waiting)
        return AssertionFailure() << "start hint shown " << runtime.label("Lblohje2").visible();

    const int frameSlot = waiting ? 1 : model.due;
    for (int i = 0; i < form::kFrameLines; ++i) {
        const auto& line = runtime.line(i);
        if (line.visible() == waiting)
            return AssertionFailure() << "frame line " << i << " shown " << line.visible();
        if (line.points() != form::frameAt(frameSlot)[static_cast<std::size_t>(i)])
            return AssertionFailure() << "frame line " << i << " not at slot " << frameSlot;
    }

    int takingKeys = 0;
    for (int slot = 1; slot <= 3; ++slot) {
        const auto& box = runtime.keyBox(slot);
        const bool takes = box.visible() && box.enabled();
        takingKeys += takes ? 1 : 0;
        const bool shouldTake = !ended && slot == (waiting ? 1 : model.due);
        if (takes != shouldTake)
            return AssertionFailure() << "key box " << slot << " takes keys " << takes;
    }
    if (takingKeys != (ended ? 0 : 1))
        return AssertionFailure() << takingKeys << " key boxes take keys";
    if (runtime.keyboardHolder() != (ended ? 0 : waiting ? 1 : model.due) ||
        runtime.buttonHoldsKeyboard() != ended)
        return AssertionFailure() << "keyboard with box " << runtime.keyboardHolder();

    const std::array<std::int16_t, 3> letters{v.letter1, v.letter2, v.letter3};
    const std::array<const char*, 3> bigLetters{"Lblletter1", "Lblletter2", "Lblletter3"};
    for (std::size_t s = 0; s < 3; ++s) {
        if (letters[s] != model.targets[s])
            return AssertionFailure() << "target " << s + 1 << " is " << letters[s];
        if (runtime.label(bigLetters[s]).caption() != form::Text(1, static_cast<char16_t>(letters[s])))
            return AssertionFailure() << "big letter " << s + 1;
        for (std::size_t t = s + 1; t < 3; ++t)
            if (inSet(model.targets[s], model.targets[t]))
                return AssertionFailure() << "targets " << s + 1 << " and " << t + 1 << " are neighbours";
    }
    if (auto tiles = tilesHold(); !tiles)
        return tiles;
    return fixedPartsHold();
}

::testing::AssertionResult RandomPlay::tilesHold() const
{
    for (int row = 1; row <= 3; ++row)
        for (int i = 0; i < form::kTilesPerRow; ++i) {
            const auto& tile = runtime.tile(row, i);
            const bool blocked = model.blocked(row, static_cast<char>('A' + i));
            const auto& look = form::slotLook(row);
            if (tile.visible() != (model.state == Model::Waiting) || tile.enabled() == blocked ||
                tile.backColor() != (blocked ? look.pale : look.colour) || tile.fontBold() == blocked ||
                tile.caption() != form::Text(1, static_cast<char16_t>(u'A' + i)))
                return AssertionFailure() << "tile " << static_cast<char>('A' + i) << " of row " << row;
        }
    return AssertionSuccess();
}

// Positions, fonts, colours and the fixed captions keep their laid-out values.
::testing::AssertionResult RandomPlay::fixedPartsHold() const
{
    for (const char* name : {"Lblotsikko", "Lblohje", "Lblohje2", "Lblnorvo", "Lblwritten",
                             "Lblkello1", "Lblkello2", "Lblkello3"}) {
        const auto& label = runtime.label(name);
        if (label.caption() != label.entry().caption)
            return AssertionFailure() << name << " caption changed";
    }
    for (const auto& control : runtime.all()) {
        const auto* label = dynamic_cast<const headless::Label*>(control.get());
        if (label != nullptr && control->entry().style != form::StyleId::Tile &&
            (label->backColor() != control->entry().backColour ||
             label->fontBold() != (form::style(control->entry().style).weight >= 700)))
            return AssertionFailure() << control->entry().name << " changed its look";
    }
    return AssertionSuccess();
}

}  // namespace

TEST_F(RandomPlay, EveryEventLeavesAStateTheRulesAllow)
{
    const std::uint64_t events = setting("ZINDLE_RANDOM_EVENTS", 1'000'000);
    const std::uint64_t seed = setting("ZINDLE_RANDOM_SEED", 20261208);
    ASSERT_TRUE(holds()) << "at start";
    int games = 0;
    for (std::uint64_t n = 1; n <= events; ++n) {
        const bool wasEnded = model.state == Model::Ended;
        const char* what = step();
        games += wasEnded && model.state == Model::Waiting ? 1 : 0;
        ASSERT_TRUE(holds()) << "after event " << n << " (" << what << "); replay with "
                             << "ZINDLE_RANDOM_SEED=" << seed << " ZINDLE_RANDOM_EVENTS=" << n;
    }
    RecordProperty("games", games);
    EXPECT_GT(games, static_cast<int>(events / 2000)) << "the run plays many whole games";
}
