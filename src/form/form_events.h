// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zindle::form {

// The events the window delivers to the game, one handler each; every other
// event of every control has no handler and does nothing.
class FormEvents {
public:
    virtual ~FormEvents() = default;

    virtual void Form_Load() = 0;
    virtual void Lbltext1_Click(std::int16_t Index) = 0;
    virtual void Lbltext2_Click(std::int16_t Index) = 0;
    virtual void Lbltext3_Click(std::int16_t Index) = 0;
    virtual void Pic1_KeyPress(std::int16_t& KeyAscii) = 0;
    virtual void Pic2_KeyPress(std::int16_t& KeyAscii) = 0;
    virtual void Pic3_KeyPress(std::int16_t& KeyAscii) = 0;
    virtual void Tmr1_Timer() = 0;
    virtual void Cmdjatka_Click() = 0;
};

// Routes a click on tile `index` of picker row 1, 2 or 3 to its handler.
void deliverTileClick(FormEvents& events, int row, std::int16_t index);

// Routes a key press in key box 1, 2 or 3 to its handler.
void deliverKeyPress(FormEvents& events, int box, std::int16_t& code);

}  // namespace zindle::form
