// SPDX-License-Identifier: MIT
#include "game/frmzindle.h"

#include "game/neighbours.h"

#include <array>

namespace zindle::game {

using form::Str;

namespace {

// The targets when the program starts: S, T and I.
constexpr std::array<char, 3> kStartTargets{'S', 'T', 'I'};

// The rows a slot's target blocks, in the order the refresh writes them.
constexpr std::array<std::array<int, 2>, 3> kOtherRows{{{2, 3}, {1, 3}, {2, 1}}};

const std::array<int, 2>& otherRows(int slot) { return kOtherRows[static_cast<std::size_t>(slot - 1)]; }

std::size_t tileOf(char letter) { return static_cast<std::size_t>(letter - 'A'); }

form::StartState startState()
{
    form::StartState start;
    start.targets = kStartTargets;
    for (int slot = 1; slot <= 3; ++slot)
        for (char neighbour : neighbourSet(kStartTargets[static_cast<std::size_t>(slot - 1)]))
            for (int other : otherRows(slot))
                start.blocked[static_cast<std::size_t>(other - 1)] += neighbour;
    return start;
}

}  // namespace

const std::vector<form::ControlLayout>& frmzindleLayout()
{
    static const std::vector<form::ControlLayout> layout = form::formLayout(startState());
    return layout;
}

Frmzindle::Frmzindle(const form::FormControls& controls) : c_(controls) {}

std::int16_t& Frmzindle::target(int slot)
{
    return slot == 1 ? v_.letter1 : slot == 2 ? v_.letter2 : v_.letter3;
}

form::TileRow& Frmzindle::row(int slot)
{
    return slot == 1 ? c_.Lbltext1 : slot == 2 ? c_.Lbltext2 : c_.Lbltext3;
}

form::KeyBox& Frmzindle::keyBox(int slot)
{
    return slot == 1 ? *c_.Pic1 : slot == 2 ? *c_.Pic2 : *c_.Pic3;
}

// ---- start-up -------------------------------------------------------------

void Frmzindle::Form_Load()
{
    resetClockAndScore();
    v_.letter1 = kStartTargets[0];
    v_.letter2 = kStartTargets[1];
    v_.letter3 = kStartTargets[2];
    painikkeet1();
}

// The clock back to 15 and the score to 0, variables first, then captions.
void Frmzindle::resetClockAndScore()
{
    v_.kello4 = 1;
    v_.kello5 = 5;
    v_.pisteet = 0;
    c_.Lblkello4->setCaption(Str(v_.kello4));
    c_.Lblkello5->setCaption(Str(v_.kello5));
    c_.Lblpisteet->setCaption(Str(v_.pisteet));
}

// ---- letter pickers ---------------------------------------------------------

void Frmzindle::Lbltext1_Click(std::int16_t Index) { chooseLetter(1, Index); }
void Frmzindle::Lbltext2_Click(std::int16_t Index) { chooseLetter(2, Index); }
void Frmzindle::Lbltext3_Click(std::int16_t Index) { chooseLetter(3, Index); }

// A tile index outside the row changes no target; the refresh runs anyway.
void Frmzindle::chooseLetter(int slot, std::int16_t index)
{
    if (index >= 0 && index < form::kTilesPerRow) {
        target(slot) = static_cast<std::int16_t>(65 + index);
        form::Label* bigLetter = slot == 1 ? c_.Lblletter1 : slot == 2 ? c_.Lblletter2 : c_.Lblletter3;
        bigLetter->setCaption(form::Chr(target(slot)));
    }
    painikkeet1();
}

// The picker refresh recomputes every tile from the three targets: reset
// all 78 tiles to free and hidden, block each target's neighbour set in the
// two other rows, then show them all.
void Frmzindle::painikkeet1()
{
    for (std::size_t i = 0; i < form::kTilesPerRow; ++i) {
        for (int slot = 1; slot <= 3; ++slot)
            row(slot)[i]->setVisible(false);
        for (int slot = 1; slot <= 3; ++slot)
            row(slot)[i]->setEnabled(true);
        for (int slot = 1; slot <= 3; ++slot)
            row(slot)[i]->setBackColor(form::slotLook(slot).colour);
        for (int slot = 1; slot <= 3; ++slot)
            row(slot)[i]->setFontBold(true);
    }
    blockLetters('A', 'G');
    painikkeet2();
}

void Frmzindle::painikkeet2()
{
    blockLetters('H', 'N');
    painikkeet3();
}

void Frmzindle::painikkeet3()
{
    blockLetters('O', 'U');
    painikkeet4();
}

void Frmzindle::painikkeet4()
{
    blockLetters('V', 'Z');
    showPickerRows(true);
}

// For each letter from `first` to `last` and each slot whose target it is,
// blocks the letter's neighbour set in the slot's two other rows.
void Frmzindle::blockLetters(char first, char last)
{
    for (char letter = first; letter <= last; ++letter)
        for (int slot = 1; slot <= 3; ++slot)
            if (target(slot) == letter)
                blockNeighbours(slot, letter);
}

void Frmzindle::blockNeighbours(int slot, char letter)
{
    for (char neighbour : neighbourSet(letter)) {
        for (int other : otherRows(slot)) {
            form::Label* tile = row(other)[tileOf(neighbour)];
            tile->setEnabled(false);
            tile->setBackColor(form::slotLook(other).pale);
            tile->setFontBold(false);
        }
    }
}

// Shows or hides the 78 tiles, tile by tile, the three rows side by side.
void Frmzindle::showPickerRows(bool visible)
{
    for (std::size_t i = 0; i < form::kTilesPerRow; ++i) {
        c_.Lbltext1[i]->setVisible(visible);
        c_.Lbltext2[i]->setVisible(visible);
        c_.Lbltext3[i]->setVisible(visible);
    }
}

// ---- keys and the hit cycle -------------------------------------------------

namespace {

constexpr std::int16_t kHighestScore = 32767;

}  // namespace

void Frmzindle::Pic1_KeyPress(std::int16_t& KeyAscii)
{
    takeKey(KeyAscii);
    tarkistus1();
}

void Frmzindle::Pic2_KeyPress(std::int16_t& KeyAscii)
{
    takeKey(KeyAscii);
    tarkistus2();
}

void Frmzindle::Pic3_KeyPress(std::int16_t& KeyAscii)
{
    takeKey(KeyAscii);
    tarkistus3();
}

// Upper-cases the typed character into keycode and swallows the key.
void Frmzindle::takeKey(std::int16_t& KeyAscii)
{
    v_.keytext = form::Chr(KeyAscii);
    KeyAscii = form::Asc(form::UCase(v_.keytext));
    v_.keycode = KeyAscii;
    KeyAscii = 0;
    v_.keytext.clear();
}

void Frmzindle::tarkistus1()
{
    if (!c_.Tmr1->enabled() && v_.keycode == v_.letter1) {
        c_.Tmr1->setEnabled(true);
        for (form::Line* line : c_.Line1)
            line->setVisible(true);
    }
    if (v_.keycode == v_.letter1) {
        showPickerRows(false);
        c_.Lblohje2->setVisible(false);
        scoreAndHandOver(1, 2);
    }
}

void Frmzindle::tarkistus2()
{
    if (c_.Tmr1->enabled() && v_.keycode == v_.letter2)
        scoreAndHandOver(2, 3);
}

void Frmzindle::tarkistus3()
{
    if (c_.Tmr1->enabled() && v_.keycode == v_.letter3)
        scoreAndHandOver(3, 1);
}

// One point for the hit, then the keyboard and the frame pass to slot `to`.
// The score stops at the largest value it can hold rather than wrap round.
void Frmzindle::scoreAndHandOver(int from, int to)
{
    if (v_.pisteet < kHighestScore)
        v_.pisteet = static_cast<std::int16_t>(v_.pisteet + 1);
    c_.Lblpisteet->setCaption(Str(v_.pisteet));
    keyBox(from).setEnabled(false);
    keyBox(to).setVisible(true);
    keyBox(to).setEnabled(true);
    moveFrame(to);
}

void Frmzindle::moveFrame(int slot)
{
    const auto frame = form::frameAt(slot);
    for (std::size_t i = 0; i < c_.Line1.size(); ++i) {
        c_.Line1[i]->setX1(frame[i].x1);
        c_.Line1[i]->setX2(frame[i].x2);
    }
}

// ---- clock, game end and restart --------------------------------------------

namespace {
constexpr int kEndBeeps = 7;
}  // namespace

void Frmzindle::Tmr1_Timer()
{
    v_.kello5 = static_cast<std::int16_t>(v_.kello5 - 1);
    if (v_.kello5 == -1) {
        v_.kello5 = 9;
        v_.kello4 = static_cast<std::int16_t>(v_.kello4 - 1);
    }
    c_.Lblkello4->setCaption(Str(v_.kello4));
    c_.Lblkello5->setCaption(Str(v_.kello5));
    if (v_.kello4 == 0 && v_.kello5 == 0)
        peliloppu();
}

void Frmzindle::peliloppu()
{
    c_.Tmr1->setEnabled(false);
    c_.Pic1->setEnabled(false);
    c_.Pic2->setEnabled(false);
    c_.Pic3->setEnabled(false);
    for (int i = 0; i < kEndBeeps; ++i)
        c_.beep->beep();
    c_.Cmdjatka->setVisible(true);
}

void Frmzindle::Cmdjatka_Click()
{
    c_.Cmdjatka->setVisible(false);
    c_.Lblohje2->setVisible(true);
    for (form::Line* line : c_.Line1)
        line->setVisible(false);
    moveFrame(1);
    resetClockAndScore();
    showPickerRows(true);
    c_.Pic1->setEnabled(true);
}

}  // namespace zindle::game
