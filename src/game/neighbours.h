// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zindle::game {

// The neighbour set of a letter A to Z: the letter itself, then the letters
// whose keys lie around it on the keyboard, in the order the picker refresh
// blocks them. Empty for anything that is not a capital A to Z.
std::string_view neighbourSet(char letter);

}  // namespace zindle::game
