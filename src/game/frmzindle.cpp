#include "game/frmzindle.h"

#include "game/neighbours.h"

#include <array>

namespace zindle::game {

using ui::Str;

Frmzindle::Frmzindle(const ui::FormControls& controls) : c_(controls) {}

std::int16_t& Frmzindle::target(int slot)
{
    return slot == 1 ? v_.letter1 : slot == 2 ? v_.letter2 : v_.letter3;
}

ui::TileRow& Frmzindle::row(int slot)
{
    return slot == 1 ? c_.Lbltext1 : slot == 2 ? c_.Lbltext2 : c_.Lbltext3;
}

ui::KeyBox& Frmzindle::keyBox(int slot)
{
    return slot == 1 ? *c_.Pic1 : slot == 2 ? *c_.Pic2 : *c_.Pic3;
}

// ---- start-up -------------------------------------------------------------

void Frmzindle::Form_Load()
{
    v_.kello4 = 1;
    v_.kello5 = 5;
    v_.pisteet = 0;
    c_.Lblkello4->setCaption(Str(v_.kello4));
    c_.Lblkello5->setCaption(Str(v_.kello5));
    c_.Lblpisteet->setCaption(Str(v_.pisteet));
    v_.letter1 = 83;  // S
    v_.letter2 = 84;  // T
    v_.letter3 = 73;  // I
    painikkeet1();
}

// ---- letter pickers ---------------------------------------------------------

void Frmzindle::Lbltext1_Click(std::int16_t Index) { chooseLetter(1, Index); }
void Frmzindle::Lbltext2_Click(std::int16_t Index) { chooseLetter(2, Index); }
void Frmzindle::Lbltext3_Click(std::int16_t Index) { chooseLetter(3, Index); }

void Frmzindle::chooseLetter(int, std::int16_t) {}

void Frmzindle::painikkeet1() {}
void Frmzindle::painikkeet2() {}
void Frmzindle::painikkeet3() {}
void Frmzindle::painikkeet4() {}
void Frmzindle::blockLetters(char, char) {}
void Frmzindle::blockNeighbours(int, char) {}
void Frmzindle::showPickerRows(bool) {}

// ---- keys and the hit cycle -------------------------------------------------

void Frmzindle::Pic1_KeyPress(std::int16_t&) {}
void Frmzindle::Pic2_KeyPress(std::int16_t&) {}
void Frmzindle::Pic3_KeyPress(std::int16_t&) {}
void Frmzindle::takeKey(std::int16_t&) {}
void Frmzindle::tarkistus1() {}
void Frmzindle::tarkistus2() {}
void Frmzindle::tarkistus3() {}
void Frmzindle::scoreAndHandOver(int, int) {}
void Frmzindle::moveFrame(int) {}

// ---- clock, game end and restart --------------------------------------------

void Frmzindle::Tmr1_Timer() {}
void Frmzindle::peliloppu() {}
void Frmzindle::Cmdjatka_Click() {}

}  // namespace zindle::game
