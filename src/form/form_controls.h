// SPDX-License-Identifier: MIT
#pragma once

#include "form/controls.h"

#include <array>

namespace zindle::form {

inline constexpr int kTilesPerRow = 26;
inline constexpr int kFrameLines = 4;

using TileRow = std::array<Label*, kTilesPerRow>;
using Frame = std::array<Line*, kFrameLines>;

// The controls of the window Frmzindle, by the names the game uses. The
// window owns them; a runtime fills this in while it builds the window from
// the layout (see layout.h), so every pointer is set before Form_Load runs.
struct FormControls {
    Label* Lblotsikko = nullptr;
    Label* Lblohje = nullptr;
    Label* Lblletter1 = nullptr;
    Label* Lblletter2 = nullptr;
    Label* Lblletter3 = nullptr;
    Label* Lblkello1 = nullptr;
    Label* Lblkello2 = nullptr;
    Label* Lblkello3 = nullptr;
    Label* Lblkello4 = nullptr;
    Label* Lblkello5 = nullptr;
    Label* Lblpisteet = nullptr;
    Label* Lblohje2 = nullptr;
    Label* Lblnorvo = nullptr;
    Label* Lblwritten = nullptr;
    TileRow Lbltext1{};
    TileRow Lbltext2{};
    TileRow Lbltext3{};
    Frame Line1{};
    KeyBox* Pic1 = nullptr;
    KeyBox* Pic2 = nullptr;
    KeyBox* Pic3 = nullptr;
    PushButton* Cmdjatka = nullptr;
    Timer* Tmr1 = nullptr;
    Beep* beep = nullptr;

    // True once every control above has been attached.
    bool complete() const;
};

}  // namespace zindle::form
