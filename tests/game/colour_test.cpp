// SPDX-License-Identifier: MIT
#include "form/colour.h"

#include <gtest/gtest.h>

using namespace zindle::form;

// Caption colours against WCAG 2's published figures: black on white is
// 21 : 1; #767676 is the lightest grey that still reads on white (4.54 : 1),
// #777777 the darkest that does not (4.48 : 1).
TEST(Colours, ACaptionKeepsTheSystemColourOnlyWhereItReads)
{
    EXPECT_NEAR(contrastRatio(colours::black, colours::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Colour{0x767676}, colours::white), 4.54, 0.005);
    EXPECT_EQ(readableOn(colours::white, Colour{0x767676}), Colour{0x767676});
    EXPECT_EQ(readableOn(colours::white, Colour{0x777777}), colours::black);
    // Saturated colours against WCAG's published figures, so that each
    // channel's weight counts: red on white 4.00 : 1, green 1.37 : 1, blue
    // 8.59 : 1.
    EXPECT_NEAR(contrastRatio(Colour::fromRgb(255, 0, 0), colours::white), 4.00, 0.005);
    EXPECT_NEAR(contrastRatio(Colour::fromRgb(0, 255, 0), colours::white), 1.37, 0.005);
    EXPECT_NEAR(contrastRatio(Colour::fromRgb(0, 0, 255), colours::white), 8.59, 0.005);
    // Where neither the system's colour nor black reads, as on pure blue:
    // white, the more readable of the two.
    EXPECT_EQ(readableOn(Colour::fromRgb(0, 0, 255), Colour{0x777777}), colours::white);
    // A dark scheme's light text on the tiles: black instead.
    for (Colour tile : {colours::yellow, colours::orange, colours::cyan, colours::paleYellow,
                        colours::paleOrange, colours::paleCyan})
        EXPECT_EQ(readableOn(tile, Colour{0xEEEEEE}), colours::black) << std::hex << tile.bgr;
}
