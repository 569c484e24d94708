// SPDX-License-Identifier: MIT
#pragma once

#include "form/form_controls.h"
#include "form/form_events.h"
#include "form/layout.h"
#include "form/text.h"

#include <cstdint>
#include <vector>

namespace zindle::game {

// The form variables: the whole state of the game besides what the
// controls themselves show.
struct FormVariables {
    std::int16_t keycode = 0;   // upper-cased code of the last key typed
    std::int16_t letter1 = 0;   // target of slot 1, a code 65 to 90
    std::int16_t letter2 = 0;   // target of slot 2
    std::int16_t letter3 = 0;   // target of slot 3
    form::Text keytext;           // scratch for the key being upper-cased
    std::int16_t kello4 = 0;    // tens digit of the seconds left
    std::int16_t kello5 = 0;    // ones digit of the seconds left
    std::int16_t pisteet = 0;   // score of the current game
};

// The window's layout with what the game shows when it opens: the start
// targets in the big letters and the tiles they block disabled.
const std::vector<form::ControlLayout>& frmzindleLayout();

// The game window's logic: its event handlers and its own procedures,
// working on the controls by name.
class Frmzindle final : public form::FormEvents {
public:
    explicit Frmzindle(const form::FormControls& controls);

    const FormVariables& variables() const { return v_; }

    void Form_Load() override;
    void Lbltext1_Click(std::int16_t Index) override;
    void Lbltext2_Click(std::int16_t Index) override;
    void Lbltext3_Click(std::int16_t Index) override;
    void Pic1_KeyPress(std::int16_t& KeyAscii) override;
    void Pic2_KeyPress(std::int16_t& KeyAscii) override;
    void Pic3_KeyPress(std::int16_t& KeyAscii) override;
    void Tmr1_Timer() override;
    void Cmdjatka_Click() override;

private:
    // Picker refresh: one operation in four chained steps.
    void painikkeet1();
    void painikkeet2();
    void painikkeet3();
    void painikkeet4();

    // Hit checks of slots 1 to 3.
    void tarkistus1();
    void tarkistus2();
    void tarkistus3();

    void peliloppu();

    // Steps shared by the handlers above.
    void resetClockAndScore();
    void chooseLetter(int slot, std::int16_t index);
    void blockLetters(char first, char last);
    void blockNeighbours(int slot, char letter);
    void takeKey(std::int16_t& KeyAscii);
    void scoreAndHandOver(int from, int to);
    void moveFrame(int slot);
    void showPickerRows(bool visible);
    std::int16_t& target(int slot);
    form::TileRow& row(int slot);
    form::KeyBox& keyBox(int slot);

    form::FormControls c_;
    FormVariables v_;
};

}  // namespace zindle::game
