// SPDX-License-Identifier: MIT
#include "form/text.h"

#include <gtest/gtest.h>

using namespace zindle::form;

TEST(NumberCaption, KeepsOneBlankForTheSign)
{
    EXPECT_EQ(Str(0), u" 0");
    EXPECT_EQ(Str(1), u" 1");
    EXPECT_EQ(Str(5), u" 5");
    EXPECT_EQ(Str(10), u" 10");
    EXPECT_EQ(Str(12), u" 12");
    EXPECT_EQ(Str(32767), u" 32767");
    EXPECT_EQ(Str(-1), u"-1");
}

// The words change at one hit.
TEST(Result, CountsTheHitsInWords)
{
    EXPECT_EQ(resultText(Str(0)), u"Time is up, 0 hits.");
    EXPECT_EQ(resultText(Str(1)), u"Time is up, 1 hit.");
    EXPECT_EQ(resultText(Str(2)), u"Time is up, 2 hits.");
    EXPECT_EQ(resultText(Str(42)), u"Time is up, 42 hits.");
}

TEST(UpperCase, MapsOneCharacterToOne)
{
    EXPECT_EQ(UCase(u"abcxyz"), u"ABCXYZ");
    EXPECT_EQ(UCase(u"S"), u"S");
    EXPECT_EQ(UCase(u"1 ;\r"), u"1 ;\r");
    EXPECT_EQ(UCase(u"\u00e9\u00fe"), u"\u00c9\u00de");  // é þ
    // Whose capital is longer than one letter, or outside A to Z, stays.
    EXPECT_EQ(UCase(u"\u00df"), u"\u00df");   // ß must not become S
    EXPECT_EQ(UCase(u"\u017f"), u"\u017f");   // long s
    EXPECT_EQ(UCase(u"\u0131"), u"\u0131");   // dotless i
    EXPECT_EQ(UCase(u"\u00f7"), u"\u00f7");   // division sign
}

TEST(CharacterCodes, RoundTripTheWhole16BitRange)
{
    for (int code = -32768; code <= 32767; ++code) {
        const auto c = static_cast<std::int16_t>(code);
        ASSERT_EQ(Asc(Chr(c)), c) << code;
    }
    EXPECT_EQ(Chr(65), u"A");
    EXPECT_EQ(Asc(u"Zx"), 90);
    EXPECT_EQ(Asc(u""), 0);
}
