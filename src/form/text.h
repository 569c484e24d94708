// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace zindle::form {

// Every caption and the key scratch text are strings of 16-bit characters.
using Text = std::u16string;

// The one-character string of a character code. Negative codes stand for
// the upper half of the 16-bit range (-1 is U+FFFF).
Text Chr(std::int16_t code);

// Upper case, one character to one character: a-z and the Latin-1 small
// letters that have a single capital become that capital; everything else,
// including letters whose capital is longer than one character (such as
// "ß"), stays as it is.
Text UCase(const Text& text);

// The code of the first character, as a signed 16-bit value; 0 for an empty
// string.
std::int16_t Asc(const Text& text);

// The decimal text of a whole number with the place of the sign kept: one
// blank before a value of zero or more, a minus sign before a negative one.
Text Str(int value);

// What a screen reader is told when a game ends, from the score's caption:
// "Time is up, 42 hits.", "Time is up, 1 hit.".
Text resultText(const Text& scoreCaption);

}  // namespace zindle::form
