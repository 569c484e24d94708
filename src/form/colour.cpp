// SPDX-License-Identifier: MIT
#include "form/colour.h"

#include <algorithm>
#include <cmath>

namespace zindle::form {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

}  // namespace

double contrastRatio(Colour a, Colour b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour back, Colour preferred)
{
    if (contrastRatio(back, preferred) >= kReadableContrast)
        return preferred;
    if (contrastRatio(back, colours::black) >= kReadableContrast)
        return colours::black;
    return contrastRatio(back, colours::white) > contrastRatio(back, colours::black) ? colours::white
                                                                                    : colours::black;
}

}  // namespace zindle::form
