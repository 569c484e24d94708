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
