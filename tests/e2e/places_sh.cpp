// SPDX-License-Identifier: MIT
// The window's places and colours for the shell scripts, from the same
// header as the X tests: NAME='VALUE' lines to evaluate. A spot is "X Y
// RRGGBB": a pixel inside a shape's ground, clear of its caption.

#include "e2e/places.h"

#include <cstdio>

using namespace zindle::e2e;

namespace {

void spot(const char* name, Box b, int dx, int dy, std::uint32_t rgb)
{
    std::printf("%s='%d %d %06X'\n", name, b.x + dx, b.y + dy, rgb);
}

}  // namespace

int main()
{
    const Box client = place::client(), clock = place::clock(), button = place::button();
    std::printf("size='%dx%d'\nclock='%dx%d+%d+%d'\n", client.w, client.h, clock.w, clock.h, clock.x, clock.y);
    spot("yellow_tile", place::tile(1, 'A'), 2, 2, slotRgb(1));
    spot("frame_at_1", frameEdge(1, 0), frameEdge(1, 0).w / 2, 0, kWhite);
    spot("frame_at_2", frameEdge(2, 0), frameEdge(2, 0).w / 2, 0, kWhite);
    spot("continue", button, 4, button.h / 2, kButtonFace);
    return 0;
}
