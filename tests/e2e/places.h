// SPDX-License-Identifier: MIT
#pragma once

// The window's places and colours as the screen shows them, in pixels and
// 0xRRGGBB, read from the window's own layout.

#include "form/layout.h"
#include "game/frmzindle.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace zindle::e2e {

struct Box {
    int x, y, w, h;
};

// The control `name` (element `index` of a control array).
inline Box boxOf(const std::string& name, int index = -1)
{
    for (const auto& e : game::frmzindleLayout())
        if (e.name == name && e.index == index)
            return {form::pixels(e.rect.left), form::pixels(e.rect.top), form::pixels(e.rect.width),
                    form::pixels(e.rect.height)};
    throw std::out_of_range("no control " + name);
}

// The smallest box holding both.
inline Box around(Box a, Box b)
{
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
}

// A frame edge (top, bottom, left, right) around the letter of `slot`: its
// pixels from one end point to the other, both included.
inline Box frameEdge(int slot, int edge)
{
    const form::LinePoints p = form::frameAt(slot).at(static_cast<std::size_t>(edge));
    const int x1 = form::pixels(p.x1), x2 = form::pixels(p.x2), y1 = form::pixels(p.y1), y2 = form::pixels(p.y2);
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
}

// The controls the tests look at.
namespace place {
inline Box bigLetter(int slot) { return boxOf("Lblletter" + std::to_string(slot)); }
inline Box tile(int row, char letter) { return boxOf("Lbltext" + std::to_string(row), letter - 'A'); }
inline Box title() { return boxOf("Lblotsikko"); }
inline Box score() { return boxOf("Lblpisteet"); }
inline Box hint() { return boxOf("Lblohje2"); }
inline Box button() { return boxOf("Cmdjatka"); }
inline Box clock() { return around(boxOf("Lblkello1"), boxOf("Lblkello5")); }
inline Box rows() { return around(tile(1, 'A'), tile(3, 'Z')); }
inline Box client() { return {0, 0, form::pixels(form::kClientWidth), form::pixels(form::kClientHeight)}; }
// Right of the key boxes, which alone differ between the start and the
// next game's waiting state.
inline Box rightOfKeyBoxes()
{
    const Box keys = around(boxOf("Pic1"), boxOf("Pic3"));
    return {keys.x + keys.w, 0, client().w - keys.x - keys.w, client().h};
}
}  // namespace place

constexpr std::uint32_t rgb(form::Colour c) { return static_cast<std::uint32_t>(c.red() << 16 | c.green() << 8 | c.blue()); }
constexpr std::uint32_t kWhite = rgb(form::colours::white);
constexpr std::uint32_t kGreen = rgb(form::colours::green);
constexpr std::uint32_t kButtonFace = rgb(form::colours::lightGrey);
constexpr std::uint32_t slotRgb(int slot) { return rgb(form::slotColour(slot)); }

}  // namespace zindle::e2e
