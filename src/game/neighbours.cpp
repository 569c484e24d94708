// SPDX-License-Identifier: MIT
#include "game/neighbours.h"

#include <array>

namespace zindle::game {

namespace {

// One set per letter, A to Z. The table is symmetric: Y stands in X's set
// exactly when X stands in Y's.
constexpr std::array<std::string_view, 26> kNeighbourSets{
    "AQWSXZ",    // A
    "BVFGHN",    // B
    "CXSDFV",    // C
    "DWERFVCXS", // D
    "ERFDSW",    // E
    "FERTGBVCD", // F
    "GRTYHNBVF", // G
    "HTYUJMNBG", // H
    "IOLKJU",    // I
    "JYUIKMNH",  // J
    "KUIOLMJ",   // K
    "LIOPK",     // L
    "MHJKN",     // M
    "NGHJMB",    // N
    "OPLKI",     // O
    "PLO",       // P
    "QWSA",      // Q
    "RTGFDE",    // R
    "SQWEDCXZA", // S
    "TYHGFR",    // T
    "UIKJHY",    // U
    "VDFGBC",    // V
    "WEDSAQ",    // W
    "XASDCZ",    // X
    "YUJHGT",    // Y
    "ZASX",      // Z
};

}  // namespace

std::string_view neighbourSet(char letter)
{
    if (letter < 'A' || letter > 'Z')
        return {};
    return kNeighbourSets[static_cast<std::size_t>(letter - 'A')];
}

}  // namespace zindle::game
