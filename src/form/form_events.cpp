// SPDX-License-Identifier: MIT
#include "form/form_events.h"

namespace zindle::form {

void deliverTileClick(FormEvents& events, int row, std::int16_t index)
{
    switch (row) {
    case 1: events.Lbltext1_Click(index); break;
    case 2: events.Lbltext2_Click(index); break;
    case 3: events.Lbltext3_Click(index); break;
    default: break;
    }
}

void deliverKeyPress(FormEvents& events, int box, std::int16_t& code)
{
    switch (box) {
    case 1: events.Pic1_KeyPress(code); break;
    case 2: events.Pic2_KeyPress(code); break;
    case 3: events.Pic3_KeyPress(code); break;
    default: break;
    }
}

}  // namespace zindle::form
