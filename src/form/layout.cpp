// SPDX-License-Identifier: MIT
#include "form/layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zindle::form {

namespace {

using C = FormControls;
namespace col = colours;

constexpr std::string_view kArialBlack = "Arial Black";
constexpr std::string_view kSansSerif = "MS Sans Serif";

// clang-format off
constexpr std::array<LabelStyle, 7> kStyles{{
    // id                 face         points  weight italic align          border
    {StyleId::Title,     kArialBlack, 48.0,   900,   true,  Align::Left,   false},
    {StyleId::Instruction,      kArialBlack, 14.25,  900,   true,  Align::Centre, false},
    {StyleId::Credit,    kArialBlack, 12.0,   900,   true,  Align::Left,   false},
    {StyleId::BigLetter, kArialBlack, 72.0,   900,   false, Align::Centre, false},
    {StyleId::Digit,     kSansSerif,  13.5,   700,   false, Align::Centre, false},
    {StyleId::Tile,      kSansSerif,  8.25,   700,   false, Align::Centre, true},
    {StyleId::Button,    kSansSerif,  8.25,   400,   false, Align::Centre, false},
}};

struct LabelRow {
    std::string_view name;
    Label* C::*slot;
    Rect rect;
    std::u16string_view caption;
    StyleId style;
    Colour textColour;
    int group;
    int tab;
};

// The single labels, top to bottom. Every one is shown at start, on black.
constexpr std::array<LabelRow, 14> kLabels{{
    // name          slot            left  top   width height caption                                                          style               text colour    group tab
    {"Lblotsikko", &C::Lblotsikko, {720,  0,    7935, 1335}, u"ZINDLE",                                                        StyleId::Title,     col::green,    0,    0},
    {"Lblohje",    &C::Lblohje,    {0,    1200, 9255, 495},  u"Hit these letters as many time as you can in 15 seconds :",   StyleId::Instruction,      col::yellow,   0,    1},
    {"Lblletter1", &C::Lblletter1, bigLetterRect(1),        u"",   /* slot 1's target */                                     StyleId::BigLetter, slotColour(1), 1,    2},
    {"Lblletter2", &C::Lblletter2, bigLetterRect(2),        u"",   /* slot 2's target */                                     StyleId::BigLetter, slotColour(2), 2,    3},
    {"Lblletter3", &C::Lblletter3, bigLetterRect(3),        u"",   /* slot 3's target */                                     StyleId::BigLetter, slotColour(3), 3,    4},
    {"Lblkello1",  &C::Lblkello1,  {3480, 3720, 375,  495},  u" 0",                                                            StyleId::Digit,     col::red,      0,    94},
    {"Lblkello2",  &C::Lblkello2,  {3960, 3720, 375,  495},  u" 0",                                                            StyleId::Digit,     col::red,      0,    93},
    {"Lblkello3",  &C::Lblkello3,  {4440, 3720, 375,  495},  u" :",                                                            StyleId::Digit,     col::red,      0,    92},
    {"Lblkello4",  &C::Lblkello4,  {4920, 3720, 375,  495},  u" 1",                                                            StyleId::Digit,     col::red,      0,    91},
    {"Lblkello5",  &C::Lblkello5,  {5400, 3720, 375,  495},  u" 5",                                                            StyleId::Digit,     col::red,      0,    90},
    {"Lblpisteet", &C::Lblpisteet, {3960, 4440, 1335, 375},  u" 0",                                                            StyleId::Digit,     col::red,      0,    5},
    {"Lblohje2",   &C::Lblohje2,   {360,  5040, 8655, 495},  u"Game starts, when you hit the yellow letter first time!",     StyleId::Instruction,      col::yellow,   0,    6},
    {"Lblnorvo",   &C::Lblnorvo,   {120,  6360, 1935, 495},  u"\u00A9 Norvo",                                                  StyleId::Credit,    col::green,    0,    7},
    {"Lblwritten", &C::Lblwritten, {6000, 6360, 3255, 495},  u"by the Zindle team",                                            StyleId::Credit,    col::green,    0,    8},
}};

struct KeyBoxRow {
    std::string_view name;
    KeyBox* C::*slot;
    Rect rect;
    bool visible;
    int group;
    int tab;
};

// The key boxes: thin strips left of the big letters; all enabled at start.
constexpr std::array<KeyBoxRow, 3> kKeyBoxes{{
    {"Pic1", &C::Pic1, {240, 1920, 1575, 135}, true,  1, 87},
    {"Pic2", &C::Pic2, {240, 2280, 1575, 135}, false, 2, 88},
    {"Pic3", &C::Pic3, {240, 2640, 1575, 135}, false, 3, 89},
}};

struct PickerRow {
    std::string_view name;
    TileRow C::*slot;
    int group;
    int top;
    int firstTab;
};

// Tile i of a row: caption the letter 65 + i, left 1560 + 240 i, 255 square.
constexpr int kTileLeft = 1560;
constexpr int kTilePitch = 240;
constexpr int kTileSize = 255;

constexpr std::array<PickerRow, 3> kPickerRows{{
    {"Lbltext1", &C::Lbltext1, 1, 5520, 9},
    {"Lbltext2", &C::Lbltext2, 2, 5760, 35},
    {"Lbltext3", &C::Lbltext3, 3, 6000, 61},
}};

// Labels and lines, later ones drawn over earlier ones. A control array
// stands for all its elements in index order.
constexpr std::array<std::string_view, 18> kDrawingOrder{
    "Lblotsikko", "Lblohje",   "Lblletter1", "Lblletter2", "Lblletter3",
    "Lblpisteet", "Lblohje2",  "Lblnorvo",   "Lblwritten", "Lbltext1",
    "Lbltext2",   "Lbltext3",  "Line1",      "Lblkello5",  "Lblkello4",
    "Lblkello3",  "Lblkello2", "Lblkello1"};
// clang-format on

const std::u16string_view kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::u16string_view letter(char capital) { return kLetters.substr(static_cast<std::size_t>(capital - 'A'), 1); }

ControlLayout labelSpec(const LabelRow& row, const StartState& start)
{
    ControlLayout s;
    s.name = row.name;
    s.kind = Kind::Label;
    s.slot = row.slot;
    s.group = row.group;
    s.rect = row.rect;
    s.caption = row.style == StyleId::BigLetter ? letter(start.targets.at(static_cast<std::size_t>(row.group - 1)))
                                                : row.caption;
    s.style = row.style;
    s.textColour = row.textColour;
    s.backColour = col::black;
    s.tab = row.tab;
    return s;
}

ControlLayout tileSpec(const PickerRow& row, int i, const StartState& start)
{
    ControlLayout s;
    s.name = row.name;
    s.index = i;
    s.kind = Kind::Label;
    s.slot = row.slot;
    s.group = row.group;
    s.rect = {kTileLeft + kTilePitch * i, row.top, kTileSize, kTileSize};
    s.caption = kLetters.substr(static_cast<std::size_t>(i), 1);
    s.style = StyleId::Tile;
    s.textColour = std::nullopt;   // the system's button-text colour
    s.backColour = slotColour(row.group);
    s.enabled = start.blocked.at(static_cast<std::size_t>(row.group - 1)).find(static_cast<char>('A' + i)) ==
                std::string::npos;
    s.tab = row.firstTab + i;
    return s;
}

ControlLayout lineSpec(int i)
{
    ControlLayout s;
    s.name = "Line1";
    s.index = i;
    s.kind = Kind::Line;
    s.slot = &C::Line1;
    s.line = frameAt(1)[static_cast<std::size_t>(i)];
    s.backColour = col::white;
    s.visible = false;
    return s;
}

ControlLayout keyBoxSpec(const KeyBoxRow& row)
{
    ControlLayout s;
    s.name = row.name;
    s.kind = Kind::KeyBox;
    s.slot = row.slot;
    s.group = row.group;
    s.rect = row.rect;
    s.visible = row.visible;
    s.tab = row.tab;
    return s;
}

ControlLayout buttonSpec()
{
    ControlLayout s;
    s.name = "Cmdjatka";
    s.kind = Kind::PushButton;
    s.slot = &C::Cmdjatka;
    s.rect = {3840, 6360, 1575, 375};
    s.caption = u"Continue";
    s.style = StyleId::Button;
    s.textColour = std::nullopt;
    s.backColour = col::lightGrey;
    s.visible = false;
    s.tab = 95;
    return s;
}

ControlLayout timerSpec()
{
    ControlLayout s;
    s.name = "Tmr1";
    s.kind = Kind::Timer;
    s.slot = &C::Tmr1;
    s.enabled = false;
    s.interval = 1000;
    return s;
}

void appendDrawn(std::vector<ControlLayout>& specs, std::string_view name, const StartState& start)
{
    if (name == "Line1") {
        for (int i = 0; i < kFrameLines; ++i)
            specs.push_back(lineSpec(i));
        return;
    }
    for (const PickerRow& row : kPickerRows) {
        if (row.name == name) {
            for (int i = 0; i < kTilesPerRow; ++i)
                specs.push_back(tileSpec(row, i, start));
            return;
        }
    }
    for (const LabelRow& row : kLabels) {
        if (row.name == name) {
            specs.push_back(labelSpec(row, start));
            return;
        }
    }
}

template <typename Control>
void attachTo(FormControls& controls, const ControlLayout& entry, Control& control)
{
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Control* FormControls::*>) {
                controls.*member = &control;
            } else if constexpr (std::is_same_v<Member, TileRow FormControls::*>) {
                if constexpr (std::is_same_v<Control, Label>)
                    (controls.*member).at(static_cast<std::size_t>(entry.index)) = &control;
            } else if constexpr (std::is_same_v<Member, Frame FormControls::*>) {
                if constexpr (std::is_same_v<Control, Line>)
                    (controls.*member).at(static_cast<std::size_t>(entry.index)) = &control;
            }
        },
        entry.slot);
}

}  // namespace

const LabelStyle& style(StyleId id)
{
    for (const LabelStyle& s : kStyles)
        if (s.id == id)
            return s;
    throw std::out_of_range("unknown label style");
}

std::vector<ControlLayout> formLayout(const StartState& start)
{
    std::vector<ControlLayout> specs;
    for (std::string_view name : kDrawingOrder)
        appendDrawn(specs, name, start);
    for (const KeyBoxRow& row : kKeyBoxes)
        specs.push_back(keyBoxSpec(row));
    specs.push_back(buttonSpec());
    specs.push_back(timerSpec());
    return specs;
}

void attach(FormControls& c, const ControlLayout& s, Label& label) { attachTo(c, s, label); }
void attach(FormControls& c, const ControlLayout& s, Line& line) { attachTo(c, s, line); }
void attach(FormControls& c, const ControlLayout& s, KeyBox& box) { attachTo(c, s, box); }
void attach(FormControls& c, const ControlLayout& s, PushButton& b) { attachTo(c, s, b); }
void attach(FormControls& c, const ControlLayout& s, Timer& timer) { attachTo(c, s, timer); }

}  // namespace zindle::form
