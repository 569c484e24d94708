// SPDX-License-Identifier: MIT
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>

using namespace zindle::ui;

namespace {

int count(Kind kind)
{
    int n = 0;
    for (const ControlLayout& s : formLayout())
        n += s.kind == kind ? 1 : 0;
    return n;
}

const ControlLayout& entry(std::string_view name, int index = -1)
{
    const ControlLayout* s = findControl(name, index);
    if (s == nullptr)
        throw std::out_of_range(std::string(name));
    return *s;
}

}  // namespace

TEST(Layout, HoldsEveryControlOnce)
{
    EXPECT_EQ(formLayout().size(), 101u);
    EXPECT_EQ(count(Kind::Label), 14 + 78);
    EXPECT_EQ(count(Kind::Line), 4);
    EXPECT_EQ(count(Kind::KeyBox), 3);
    EXPECT_EQ(count(Kind::PushButton), 1);
    EXPECT_EQ(count(Kind::Timer), 1);
    std::set<std::pair<std::string_view, int>> names;
    for (const ControlLayout& s : formLayout())
        EXPECT_TRUE(names.insert({s.name, s.index}).second) << s.name << " " << s.index;
}

TEST(Layout, StartsInTheWaitingState)
{
    EXPECT_EQ(entry("Lblkello4").caption, u" 1");
    EXPECT_EQ(entry("Lblkello5").caption, u" 5");
    EXPECT_EQ(entry("Lblpisteet").caption, u" 0");
    EXPECT_EQ(entry("Lblletter1").caption, u"S");
    EXPECT_EQ(entry("Lblletter2").caption, u"T");
    EXPECT_EQ(entry("Lblletter3").caption, u"I");
    EXPECT_EQ(entry("Lblletter2").textColour, colours::orange);
    EXPECT_TRUE(entry("Pic1").visible);
    EXPECT_FALSE(entry("Pic2").visible);
    EXPECT_FALSE(entry("Pic3").visible);
    EXPECT_TRUE(entry("Pic2").enabled);
    EXPECT_FALSE(entry("Cmdjatka").visible);
    EXPECT_FALSE(entry("Tmr1").enabled);
    EXPECT_EQ(entry("Tmr1").interval, 1000);
    for (int i = 0; i < kFrameLines; ++i) {
        EXPECT_FALSE(entry("Line1", i).visible);
        EXPECT_EQ(entry("Line1", i).backColour, colours::white);
    }
}

TEST(Layout, FrameClosesAroundTheFirstLetter)
{
    const ControlLayout& letter = entry("Lblletter1");
    const LinePoints top = entry("Line1", 0).line, bottom = entry("Line1", 1).line;
    const LinePoints left = entry("Line1", 2).line, right = entry("Line1", 3).line;
    EXPECT_EQ(top.x1, letter.rect.left);
    EXPECT_EQ(top.y1, letter.rect.top + 360);
    EXPECT_EQ(bottom.y1, letter.rect.top + letter.rect.height + 105);
    EXPECT_EQ(top.x2 - top.x1, 1560);
    EXPECT_EQ(bottom.y1 - top.y1, 1440);
    EXPECT_EQ(left.x1, left.x2);
    EXPECT_EQ(right.x1, 3600);
    EXPECT_GT(left.y1, left.y2) << "vertical edges run from bottom to top";
}

TEST(Layout, DrawsLabelsAndLinesInOrderBelowTheFocusableControls)
{
    std::vector<std::string> order;
    for (const ControlLayout& s : formLayout())
        if (order.empty() || order.back() != s.name)
            order.emplace_back(s.name);
    const std::vector<std::string> expected{
        "Lblotsikko", "Lblohje",   "Lblletter1", "Lblletter2", "Lblletter3", "Lblpisteet",
        "Lblohje2",   "Lblnorvo",  "Lblwritten", "Lbltext1",   "Lbltext2",   "Lbltext3",
        "Line1",      "Lblkello5", "Lblkello4",  "Lblkello3",  "Lblkello2",  "Lblkello1",
        "Pic1",       "Pic2",      "Pic3",       "Cmdjatka",   "Tmr1"};
    EXPECT_EQ(order, expected);
}

TEST(Layout, ClockIsARowOfFiveEqualCells)
{
    for (int i = 1; i <= 5; ++i) {
        const ControlLayout& s = entry("Lblkello" + std::to_string(i));
        EXPECT_EQ(s.rect.left, 3480 + 480 * (i - 1));
        EXPECT_EQ(s.rect.top, 3720);
        EXPECT_EQ(s.style, StyleId::Digit);
    }
}
