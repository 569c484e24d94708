// SPDX-License-Identifier: MIT
#pragma once

#include "form/colour.h"
#include "form/form_controls.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zindle::form {

// Positions and sizes are in twips, 15 to a pixel at 96 dots per inch,
// from the top left corner of the client area.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 9300;
inline constexpr int kClientHeight = 6840;
inline constexpr std::u16string_view kWindowCaption = u"Zindle";
inline constexpr Colour kWindowBackColor = colours::black;
inline constexpr Colour kWindowForeColor = colours::grey;

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

enum class Kind { Label, Line, KeyBox, PushButton, Timer };
enum class Align { Left, Centre };
enum class StyleId { Title, Instruction, Credit, BigLetter, Digit, Tile, Button };

struct LabelStyle {
    StyleId id;
    std::string_view face;          // as the layout names it; the binding substitutes
    double points;
    int weight;                     // 400 regular, 700 bold, 900 black
    bool italic;
    Align align;
    bool border;                    // a single-line border
};

const LabelStyle& style(StyleId id);

// Slot 1, 2 or 3: its colour (its big letter, its picker row and its key
// box), the pale colour of its row's blocked tiles, and the colour's name.
struct SlotLook {
    Colour colour;
    Colour pale;
    std::string_view name;
};
inline constexpr std::array<SlotLook, 3> kSlots{{
    {colours::yellow, colours::paleYellow, "yellow"},
    {colours::orange, colours::paleOrange, "orange"},
    {colours::cyan, colours::paleCyan, "cyan"},
}};
constexpr const SlotLook& slotLook(int slot) { return kSlots.at(static_cast<std::size_t>(slot - 1)); }
constexpr Colour slotColour(int slot) { return slotLook(slot).colour; }

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LinePoints {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    friend constexpr bool operator==(const LinePoints&, const LinePoints&) = default;
};

// The big letter of slot 1, 2 or 3: the three stand side by side.
constexpr Rect bigLetterRect(int slot) { return {2040 + 1800 * (slot - 1), 1800, 1575, 1695}; }

// The frame's four lines around the letter of slot 1, 2 or 3: top, bottom,
// left and right edge. Its left edge is the big letter's; it closes round
// the drawn letter, 1560 wide and 1440 high. The vertical edges run from the
// bottom end point up to the top one. Only X coordinates differ by slot.
constexpr std::array<LinePoints, kFrameLines> frameAt(int slot)
{
    const int left = bigLetterRect(slot).left, right = left + 1560;
    constexpr int top = 2160, bottom = 3600;
    return {{{left, top, right, top}, {left, bottom, right, bottom}, {left, bottom, left, top},
             {right, bottom, right, top}}};
}

// Where a control goes in FormControls.
using Slot = std::variant<Label* FormControls::*, TileRow FormControls::*, Frame FormControls::*,
                          KeyBox* FormControls::*, PushButton* FormControls::*,
                          Timer* FormControls::*>;

// One control of the window as it is laid out.
struct ControlLayout {
    std::string_view name;
    int index = -1;             // index within its control array, -1 for none
    Kind kind = Kind::Label;
    Slot slot;
    int group = 0;              // slot 1 to 3 of a key box or picker row, else 0
    Rect rect;                  // labels, key boxes, the button
    LinePoints line;            // lines
    std::u16string_view caption;
    StyleId style = StyleId::Instruction;
    std::optional<Colour> textColour = colours::black;  // none: the system's button text
    Colour backColour;          // labels; tiles: the row colour; lines: the line colour
    bool visible = true;
    bool enabled = true;
    int tab = -1;               // place in the tab order, -1 for none
    int interval = 0;           // timers, milliseconds
};

// What the window shows at start that the game decides: the three targets
// (capitals A to Z), which the big letters show, and the letters they block
// in each picker row, whose tiles start disabled.
struct StartState {
    std::array<char, 3> targets{};
    std::array<std::string, 3> blocked;   // rows 1 to 3
};

// All 101 controls of the window: first the labels and lines in drawing
// order (later ones over earlier ones), then the key boxes and the button,
// which lie above them, in tab order, then the timer.
std::vector<ControlLayout> formLayout(const StartState& start);

// Puts a built control into its place in `controls`.
void attach(FormControls& controls, const ControlLayout& entry, Label& label);
void attach(FormControls& controls, const ControlLayout& entry, Line& line);
void attach(FormControls& controls, const ControlLayout& entry, KeyBox& box);
void attach(FormControls& controls, const ControlLayout& entry, PushButton& button);
void attach(FormControls& controls, const ControlLayout& entry, Timer& timer);

}  // namespace zindle::form
