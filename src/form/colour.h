// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zindle::form {

// A 24-bit colour as the window's properties hold it: &HBBGGRR, blue in the
// high byte and red in the low byte. This is the one place that knows the
// byte order; everything else asks for red(), green() and blue().
struct Colour {
    std::uint32_t bgr = 0;

    constexpr int red() const { return static_cast<int>(bgr & 0xFFu); }
    constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFFu); }
    constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFFu); }

    static constexpr Colour fromRgb(int red, int green, int blue)
    {
        return Colour{static_cast<std::uint32_t>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16)};
    }

    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colours {
inline constexpr Colour black{0x000000};
inline constexpr Colour white{0xFFFFFF};
inline constexpr Colour grey{0x808080};
inline constexpr Colour darkGrey{0x404040};   // a disabled key box
inline constexpr Colour lightGrey{0xC0C0C0};
inline constexpr Colour green{0x00FF00};
inline constexpr Colour red{0x0000FF};
inline constexpr Colour yellow{0x00FFFF};
inline constexpr Colour orange{0x0080FF};
inline constexpr Colour cyan{0xFFFF00};
inline constexpr Colour paleYellow{0xC0FFFF};
inline constexpr Colour paleOrange{0xC0E0FF};
inline constexpr Colour paleCyan{0xFFFFC0};
}  // namespace colours

// The contrast of two colours as WCAG 2 computes it, from 1 (the same
// luminance) to 21 (black on white).
double contrastRatio(Colour a, Colour b);

// The contrast a caption needs on its ground to be read easily (WCAG AA).
inline constexpr double kReadableContrast = 4.5;

// A caption colour for the ground `back`: `preferred` (the system's text
// colour) where it reads on that ground, black otherwise; where black does
// not read either, the more readable of black and white.
Colour readableOn(Colour back, Colour preferred);

}  // namespace zindle::form
